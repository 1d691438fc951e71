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

# Pixels of one board's well (at 800 × 600 the frame is not scaled) that differ between two shots.
changed_pixels() {
    compare -metric AE -extract "$3" "$1" "$2" null: 2>&1 | cut -d' ' -f1
}
lit_pixels() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold 10% -format "%[fx:round(mean*w*h)]" info:
}

start_game
start_from_menu
sleep 5  # the start rows build up first
screenshot "$workdir/a.png"
sleep 1
screenshot "$workdir/b.png"
player=288x544+56+24
computer=288x544+456+24
for board in "$player" "$computer"; do
    [ "$(lit_pixels "$workdir/a.png" "$board")" -gt 10000 ] || fail "board $board shows no stones"
    [ "$(changed_pixels "$workdir/a.png" "$workdir/b.png" "$board")" -gt 0 ] || fail "nothing moves on board $board"
done

# Two steps up take the cursor off the bottom row: the rows it left and entered change.
xdotool key Up Up
sleep 0.3
screenshot "$workdir/c.png"
[ "$(changed_pixels "$workdir/b.png" "$workdir/c.png" 288x96+56+472)" -gt 100 ] || fail "the cursor did not move"

xdotool key Escape
wait_for_end 5
[ "$status" -eq 0 ] || fail "Escape ended the program with status $status: $(cat "$workdir/out.log")"
echo ok
