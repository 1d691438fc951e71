#!/usr/bin/env bash
# The program opens full screen, scaled; its close button, closing its window as a window
# manager does and each signal that asks a program to end all end it cleanly.
screen=1024x768
source "$(dirname "$0")/lib.sh"

fills_screen() {
    xdotool getwindowgeometry "$window" | grep -q "Geometry: 1024x768"
}

# The window shows once the menu is drawn into it: the program waits for input by then.
start_game
wait_until 10 fills_screen || fail "the window does not fill the screen: $(xdotool getwindowgeometry "$window")"
# The menu's close button, found only where the pointer is scaled back. A click before the
# program has shown its menu and put the pointer in the middle is lost, so it clicks again.
closed_by_click() {
    click_at 788 12
    wait_until 1 program_ended
}
wait_until 15 closed_by_click || fail "the close button did not end the program"
wait_for_end

start_game
"$close_window" "$window" || fail "could not ask the window to close"
wait_for_end

for signal in TERM INT HUP QUIT; do
    start_game
    kill -"$signal" "$pid"
    wait_for_end
done
echo ok
