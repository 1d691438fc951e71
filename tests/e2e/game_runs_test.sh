#!/usr/bin/env bash
# A game started from the menu as a player does, with SDL's disk audio driver writing the mixed
# sound to a file: the name entry takes letters typed with and without Shift and Backspace, the
# start rows' clicks are heard, stones move on both boards, the arrow keys move the cursor, and
# Escape ends the program without writing high scores.
source "$(dirname "$0")/lib.sh"
use_own_folder
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$workdir/audio.raw

# Signed 16-bit samples as the mixer was opened: whether some are loud, not silence or noise.
sound_heard() {
    od -An -v -td2 -w2 "$SDL_DISKAUDIOFILE" 2>/dev/null |
        awk '{ v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v; if (v > 256) loud++ }
             END { exit !(peak >= 2000 && loud >= 1000) }'
}

start_game
wait_until 10 menu_shown || fail "the menu did not show"
click_at 397 559  # Start
wait_until 10 screen_shows 312x100+360+240 form6/background.png 0+0 || fail "Start did not show the name entry"
# Letters typed without Shift and with it show in the name; Backspace takes them off one by one.
label=166x35+432+363
cp "$workdir/now.png" "$workdir/entry.png"
xdotool type --delay 40 "tester"
wait_until 10 screen_changed "$workdir/entry.png" "$label" 20 || fail "letters typed without Shift show no name"
xdotool key --delay 40 BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
wait_until 10 screen_same "$workdir/entry.png" "$label" || fail "Backspace did not take the letters off"
xdotool type --delay 40 "TESTER"
wait_until 10 screen_changed "$workdir/entry.png" "$label" 20 || fail "letters typed with Shift show no name"
xdotool key Return

# The game runs once its screen shows (the "Zeit" label) and its clock, drawn before the start
# rows build up, counts the first second down. Only the running game polls the keys.
wait_until 30 screen_shows 76x21+362+546 form1/picture15.png 0+0 || fail "the game screen did not show"
cp "$workdir/now.png" "$workdir/clock_start.png"
wait_until 30 screen_changed "$workdir/clock_start.png" 104x30+348+567 100 || fail "the game's clock did not run"
wait_until 30 sound_heard || fail "the start rows were not heard: $(cat "$workdir/out.log")"

# At 800 × 600 the frame is not scaled: the wells of the two boards.
mv "$workdir/now.png" "$workdir/a.png"
for board in 288x544+56+24 288x544+456+24; do
    wait_until 10 screen_changed "$workdir/a.png" "$board" 0 || fail "nothing moves on board $board"
done

# A step up takes the cursor off the bottom row, which only the cursor changes: the rows it
# left and entered change.
mv "$workdir/now.png" "$workdir/b.png"
hold_key_until Up 10 screen_changed "$workdir/b.png" 288x96+56+472 100 || fail "the cursor did not move"

xdotool keydown Escape
wait_for_end
[ ! -e "$workdir/highscore.dat" ] || fail "Escape during a game wrote highscore.dat"
echo ok
