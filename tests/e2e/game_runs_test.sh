#!/usr/bin/env bash
# A game started from the menu runs on both boards: stones fall, the arrow keys move the
# cursor, and Escape ends the program at once.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"; fi
binary=$1
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null' EXIT
source "$here/lib.sh"

lit_pixels() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold 10% -format "%[fx:round(mean*w*h)]" info:
}

start_game
start_from_menu
wait_for_game
screenshot "$workdir/a.png"
# At 800 × 600 the frame is not scaled: the wells of the two boards.
player=288x544+56+24
computer=288x544+456+24
for board in "$player" "$computer"; do
    [ "$(lit_pixels "$workdir/a.png" "$board")" -gt 10000 ] || fail "board $board shows no stones"
    wait_until 10 screen_changed "$workdir/a.png" "$board" 0 || fail "nothing moves on board $board"
done

# A step up takes the cursor off the bottom row, which only the cursor changes: the rows it
# left and entered change.
mv "$workdir/now.png" "$workdir/b.png"
hold_key_until Up 10 screen_changed "$workdir/b.png" 288x96+56+472 100 || fail "the cursor did not move"

end_with_escape
[ "$status" -eq 0 ] || fail "Escape ended the program with status $status: $(cat "$workdir/out.log")"
echo ok
