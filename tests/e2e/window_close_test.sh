#!/usr/bin/env bash
# The program opens full screen, and closing its window or a signal ends it cleanly.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
binary=$1
close_window=$2
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null' EXIT
source "$here/lib.sh"

fills_screen() {
    geometry=$(xdotool getwindowgeometry "$window")
    echo "$geometry" | grep -q "Geometry: 1024x768"
}

# The window shows once the menu is drawn into it: the program waits for input by then.
start_game
wait_until 10 fills_screen || fail "the window does not fill the screen: $geometry"
"$close_window" "$window" || fail "could not ask the window to close"
wait_for_end 15
[ "$status" -eq 0 ] || fail "ended with status $status: $(cat "$workdir/out.log")"

# Each of the signals that ask a program to end ends it the same orderly way.
for signal in TERM INT HUP QUIT; do
    start_game
    kill -"$signal" "$pid"
    wait_for_end 15
    [ "$status" -eq 0 ] || fail "ended with status $status after SIG$signal: $(cat "$workdir/out.log")"
done
echo "ok"
