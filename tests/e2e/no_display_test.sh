#!/usr/bin/env bash
# Without a display the program says so in one line and ends with status 1, rather than
# running on a driver that shows nothing.
source "$(dirname "$0")/lib.sh"

# A display number where no X server listens, far above those `xvfb-run -a` hands out from 99
# up, so that no test starting beside this one takes it meanwhile.
free=$((5000 + $$ % 1000))
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done

# Runs the program with env's arguments $2...; it must end at once saying $1 in one line.
refused() {
    local expected=$1 said status
    shift
    env -u WAYLAND_DISPLAY "$@" SDL_AUDIODRIVER=dummy timeout 10 "$binary" >"$workdir/out" 2>&1
    status=$?
    said=$(cat "$workdir/out")
    [ "$status" -eq 1 ] || fail "$*: ended with status $status (124: it ran unseen): $said"
    [ "$(wc -l <"$workdir/out")" -eq 1 ] || fail "$*: not one line: $said"
    [[ $said == "zandorix: "*"$expected"* ]] || fail "$*: the message does not say '$expected': $said"
}
refused "DISPLAY is not set" -u DISPLAY
refused "no X server answers" DISPLAY=":$free"
echo ok
