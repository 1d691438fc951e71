#!/usr/bin/env bash
# The high-score screen opened from the menu: its lists switch, OK writes highscore.dat beside
# the program, Escape during a game writes none, and a damaged file neither stops the program
# nor is touched before OK.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"; fi
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null' EXIT
source "$here/lib.sh"

# The program runs from a folder of its own: the build folder may hold a player's high scores.
cp "$1" "$workdir/zandorix"
ln -s "$(cd "$(dirname "$1")" && pwd)/sound" "$workdir/sound"
binary=$workdir/zandorix
scores=$workdir/highscore.dat

open_highscores() {
    click_at 205 559
    wait_until 10 screen_shows 200x50+300+85 form4/background.png 300+85 ||
        fail "Highscore did not open the high-score screen"
}
close_from_menu() {
    click_at 788 12
    wait_for_end 15
    [ "$status" -eq 0 ] || fail "the close button ended the program with status $status: $(cat "$workdir/out.log")"
}
has_lines() {
    [ -f "$scores" ] && [ "$(wc -l <"$scores")" -eq "$1" ]
}
list_buttons=540x71+128+512
rows=420x320+190+184

# Escape during a game ends the program and writes no high scores.
start_game
wait_until 10 menu_shown || fail "the menu did not show"
cp "$workdir/now.png" "$workdir/menu.png"
start_from_menu ABC
wait_for_game
end_with_escape
[ "$status" -eq 0 ] || fail "Escape ended the program with status $status: $(cat "$workdir/out.log")"
[ ! -e "$scores" ] || fail "Escape during a game wrote $scores"

# From the menu: the lists switch, and OK writes all nine lists.
start_game
wait_until 10 menu_shown || fail "the menu did not show"
open_highscores
cp "$workdir/now.png" "$workdir/normal_10.png"
[ ! -e "$scores" ] || fail "opening the high-score screen wrote $scores"
click_at 613 567  # schwer
wait_until 10 screen_changed "$workdir/normal_10.png" "$list_buttons" 500 || fail "the difficulty buttons did not change"
cp "$workdir/now.png" "$workdir/schwer_10.png"
click_at 397 527  # 20 min
wait_until 10 screen_changed "$workdir/schwer_10.png" "$rows" 500 || fail "the rows did not change to the 20-minute list"
click_at 740 583  # OK
wait_until 10 test -f "$scores" || fail "OK wrote no $scores"
[ "$(wc -l <"$scores")" -eq 180 ] || fail "$scores has $(wc -l <"$scores") lines, not 180"
[ "$(grep -c $'\r$' "$scores")" -eq 180 ] || fail "the lines of $scores do not end in CR LF"
wait_until 10 screen_changed "$workdir/normal_10.png" 800x600+0+0 10000 || fail "OK did not close the high-score screen"
close_from_menu

# A damaged file: the menu comes up as always, and the file stays as it was until OK.
printf '"damaged\r\nnot a high-score line\r\n' >"$scores"
cp "$scores" "$workdir/damaged.dat"
start_game
wait_until 10 eval 'program_ended || menu_shown'
! program_ended || fail "a damaged $scores stopped the program: $(cat "$workdir/out.log")"
screenshot "$workdir/menu_damaged.png"
[ "$(changed_pixels "$workdir/menu.png" "$workdir/menu_damaged.png" 800x600+0+0)" -lt 100 ] ||
    fail "the menu does not show over a damaged $scores"
grep -q "damaged" "$workdir/out.log" || fail "nothing said the file is damaged: $(cat "$workdir/out.log")"
open_highscores
cmp -s "$scores" "$workdir/damaged.dat" || fail "the damaged file changed before OK"
click_at 740 583  # OK
wait_until 10 has_lines 180 || fail "OK did not replace the damaged file with 180 lines"
close_from_menu
echo ok
