#!/usr/bin/env bash
# The menu as a player meets it: it shows at start, its help opens and closes, the name entry
# takes letters as capitals whatever the case typed, and the close button ends the program.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"; fi
binary=$1
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null' EXIT
source "$here/lib.sh"

label=166x35+432+363
# Whether the name shown has settled: unlike the empty entry, and as in the shot before.
name_settled() {
    screenshot "$workdir/next.png" || return 1
    local settled=1
    [ "$(changed_pixels "$workdir/entry.png" "$workdir/next.png" "$label")" -gt 20 ] 2>/dev/null &&
        [ -f "$workdir/lower.png" ] &&
        [ "$(changed_pixels "$workdir/lower.png" "$workdir/next.png" "$label")" = 0 ] && settled=0
    mv "$workdir/next.png" "$workdir/lower.png"
    [ "$settled" -eq 0 ] || sleep 0.3
    return "$settled"
}

start_game
wait_until 10 menu_shown || fail "the menu's title is not shown"

# The help covers the menu until its OK is pressed.
click_at 597 559
wait_until 10 screen_shows 300x200+40+80 form3/picture7.png 30+60 || fail "Hilfe did not open the help"
click_at 723 559
wait_until 10 menu_shown || fail "OK did not close the help"

# Start asks for the name; lower-case and capital letters give the same capitals.
click_at 397 559
wait_until 10 screen_shows 312x100+360+240 form6/background.png 0+0 || fail "Start did not show the name entry"
mv "$workdir/now.png" "$workdir/entry.png"
xdotool type --delay 40 "zoe"
wait_until 10 name_settled || fail "typing shows no name"
xdotool key BackSpace BackSpace BackSpace
xdotool type --delay 40 "ZOE"
wait_until 10 screen_same "$workdir/lower.png" "$label" || fail "lower-case letters did not give capitals"
xdotool key Return
wait_until 10 screen_leaves 500x90+150+75 form3/background.png 150+75 1000 ||
    fail "the menu did not give way to the game"
end_with_escape
[ "$status" -eq 0 ] || fail "Escape ended the program with status $status: $(cat "$workdir/out.log")"

# The close button ends the program from the menu.
start_game
wait_until 10 menu_shown || fail "the menu's title is not shown"
click_at 788 12
wait_for_end 15
[ "$status" -eq 0 ] || fail "the close button ended the program with status $status: $(cat "$workdir/out.log")"
echo ok
