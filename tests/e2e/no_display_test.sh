#!/usr/bin/env bash
# Without a display the program says so in one line and ends with status 1, rather than
# running on a driver that shows nothing; a driver asked for by name is still taken.
set -u
binary=$1
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display number where no X server listens, far above those `xvfb-run -a` hands out from 99
# up, so that no test starting beside this one takes it meanwhile.
free=$((5000 + $$ % 1000))
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done

# DISPLAY unset (empty here), then one where nobody answers; and what the message says to each.
displays=("" ":$free")
expected=("DISPLAY is not set" "no X server answers")
for i in 0 1; do
    display=${displays[$i]}
    if [ -z "$display" ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy timeout 10 "$binary" >"$workdir/out" 2>&1
    else
        env -u WAYLAND_DISPLAY DISPLAY="$display" SDL_AUDIODRIVER=dummy timeout 10 "$binary" >"$workdir/out" 2>&1
    fi
    status=$?
    said=$(cat "$workdir/out")
    [ "$status" -eq 1 ] || fail "DISPLAY '$display': ended with status $status (124: it ran unseen): $said"
    [ "$(wc -l <"$workdir/out")" -eq 1 ] || fail "DISPLAY '$display': not one line: $said"
    case $said in
        "zandorix: "*"${expected[$i]}"*) ;;
        *) fail "DISPLAY '$display': the message does not say '${expected[$i]}': $said" ;;
    esac
done

# Asked for by name, the invisible driver runs the game (as tests and tools use it).
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$binary" >"$workdir/out" 2>&1 &
pid=$!
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the offscreen driver asked for by name was refused: $(cat "$workdir/out")"
kill -TERM "$pid"
wait "$pid"
echo ok
