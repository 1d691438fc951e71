#!/usr/bin/env bash
# The menu as a player meets it: it shows at start, its help opens and closes, the name entry
# takes letters as capitals whatever the case typed, and the close button ends the program.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"; fi
binary=$1
pictures=$here/../../assets/pictures
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null' EXIT
source "$here/lib.sh"

# Pixels that differ between a region of a screenshot and a region of a picture, same size.
region_differs() {  # shot WxH+X+Y picture X+Y
    local size=${2%%+*}
    convert "$1" -crop "$2" +repage "$workdir/region_a.png"
    convert "$3" -crop "$size+$4" +repage "$workdir/region_b.png"
    compare -metric AE "$workdir/region_a.png" "$workdir/region_b.png" null: 2>&1 | cut -d' ' -f1
}
same_region() {  # shot_a shot_b WxH+X+Y
    compare -metric AE -extract "$3" "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

start_game
sleep 1
# Fails unless a screenshot shows the menu's title, untouched by anything above it.
expect_menu() {
    screenshot "$workdir/menu.png"
    [ "$(region_differs "$workdir/menu.png" 500x90+150+75 "$pictures/form3/background.png" 150+75)" -eq 0 ] || fail "$1"
}
expect_menu "the menu's title is not shown"

# The help covers the menu until its OK is pressed.
click_at 597 559
sleep 0.5
screenshot "$workdir/help.png"
[ "$(region_differs "$workdir/help.png" 300x200+40+80 "$pictures/form3/picture7.png" 30+60)" -eq 0 ] ||
    fail "Hilfe did not open the help"
click_at 723 559
sleep 0.5
expect_menu "OK did not close the help"

# Start asks for the name; lower-case and capital letters give the same capitals.
click_at 397 559
sleep 0.5
screenshot "$workdir/entry.png"
[ "$(region_differs "$workdir/entry.png" 312x100+360+240 "$pictures/form6/background.png" 0+0)" -eq 0 ] ||
    fail "Start did not show the name entry"
xdotool type --delay 40 "zoe"
sleep 0.3
screenshot "$workdir/lower.png"
xdotool key BackSpace BackSpace BackSpace
xdotool type --delay 40 "ZOE"
sleep 0.3
screenshot "$workdir/upper.png"
label=166x35+432+363
[ "$(same_region "$workdir/entry.png" "$workdir/lower.png" "$label")" -gt 20 ] || fail "typing shows no name"
[ "$(same_region "$workdir/lower.png" "$workdir/upper.png" "$label")" -eq 0 ] ||
    fail "lower-case letters did not give capitals"
xdotool key Return
sleep 5  # the start rows build up; a key tapped meanwhile is over before the game looks
screenshot "$workdir/game.png"
[ "$(region_differs "$workdir/game.png" 500x90+150+75 "$pictures/form3/background.png" 150+75)" -gt 1000 ] ||
    fail "the menu did not give way to the game"
xdotool key Escape
wait_for_end 5
[ "$status" -eq 0 ] || fail "Escape ended the program with status $status: $(cat "$workdir/out.log")"

# The close button ends the program from the menu.
start_game
sleep 1
click_at 788 12
wait_for_end 5
[ "$status" -eq 0 ] || fail "the close button ended the program with status $status: $(cat "$workdir/out.log")"
echo ok
