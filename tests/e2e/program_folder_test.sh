#!/usr/bin/env bash
# The files beside the program: highscore.dat is read at start and left alone until the
# high-score screen's OK writes it; a sound file that cannot be read ends the program with one
# line naming it, before any window shows.
source "$(dirname "$0")/lib.sh"

use_own_folder
scores=$workdir/highscore.dat

printf '"damaged\r\nnot a high-score line\r\n' >"$scores"
cp "$scores" "$workdir/damaged.dat"
start_game
wait_until 10 menu_shown || fail "the menu did not show over a damaged $scores"
grep -qF "$scores is damaged" "$workdir/out.log" || fail "nothing said $scores is damaged: $(cat "$workdir/out.log")"
click_at 205 559  # Highscore
wait_until 10 screen_shows 200x50+300+85 form4/background.png 300+85 || fail "Highscore did not open its screen"
cmp -s "$scores" "$workdir/damaged.dat" || fail "the damaged file changed before OK"
click_at 740 583  # OK
wait_until 10 eval '[ "$(wc -l <"$scores")" -eq 180 ]' || fail "OK did not write the 180 lines of $scores"
kill -TERM "$pid"
wait_for_end

rm "$workdir/sound/5.wav"
"$watch_maps" >"$workdir/maps" &
watcher=$!
wait_until 10 grep -q ready "$workdir/maps" || fail "the window watcher did not start"
SDL_AUDIODRIVER=dummy timeout 30 "$binary" >"$workdir/out.log" 2>&1
status=$?
# Every map the program caused reaches the watcher before the mark set after it.
"$watch_maps" sync
wait_until 10 grep -q sync "$workdir/maps" || fail "the window watcher fell silent"
said=$(cat "$workdir/out.log")
[ "$status" -eq 1 ] || fail "a missing sound file: ended with status $status: $said"
[ "$said" = "zandorix: cannot load the sound file $workdir/sound/5.wav: No such file or directory" ] ||
    fail "a missing sound file: not the one line naming it: $said"
! grep -q '^map' "$workdir/maps" || fail "a window was shown before the message"
echo ok
