# Helpers of the end-to-end tests: the real program under a virtual X server.
# Sourced by each *_test.sh, which runs inside `xvfb-run`.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts the program in the background with the dummy audio driver unless told otherwise;
# sets $pid and waits for its window ($window).
start_game() {
    # With the signals as a terminal or a desktop leaves them: a script's background job
    # would otherwise ignore SIGINT and SIGQUIT.
    SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} env --default-signal=INT,QUIT "$binary" >"$workdir/out.log" 2>&1 &
    pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Zandorix$' 2>/dev/null | head -n 1) ||
        fail "no window appeared; program said: $(cat "$workdir/out.log")"
}

# Waits up to $1 seconds for the program to end; sets $status.
wait_for_end() {
    local waited=0
    while kill -0 "$pid" 2>/dev/null; do
        sleep 0.1
        waited=$((waited + 1))
        if [ "$waited" -ge $(($1 * 10)) ]; then
            kill -9 "$pid" 2>/dev/null
            fail "the program did not end within $1 s"
        fi
    done
    wait "$pid"
    status=$?
}

screenshot() {
    import -window root "$1" 2>/dev/null || xwd -root -silent | convert xwd:- "$1"
}

# Clicks at a point of the game's 800 × 600 screen, wherever the window shows it scaled.
click_at() {
    local geometry width height x y
    geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
    width=${geometry%x*}
    height=${geometry#*x}
    read -r x y < <(awk -v w="$width" -v h="$height" -v px="$1" -v py="$2" 'BEGIN {
        s = w / 800; if (h / 600 < s) s = h / 600
        printf "%d %d\n", (w - 800 * s) / 2 + (px + 0.5) * s, (h - 600 * s) / 2 + (py + 0.5) * s }')
    xdotool mousemove --window "$window" "$x" "$y" click 1
}

# Starts a game the way a player does: Start in the menu, a name, Enter.
start_from_menu() {
    sleep 0.5  # the menu comes up
    click_at 397 559
    sleep 0.3
    xdotool type --delay 40 "${1:-tester}"
    xdotool key Return
}
