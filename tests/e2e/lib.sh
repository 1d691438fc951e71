# Helpers of the end-to-end tests: the real program under a virtual X server.
# Sourced by each *_test.sh, which runs inside `xvfb-run` and sets $here, $workdir and $binary.
#
# The tests run beside many others on a busy machine, where the program may be seconds late.
# So no check follows a fixed sleep: each waits for what it looks for, up to a deadline that
# only a fault reaches, and a key the game polls is held down until it has had its effect.

pictures=$here/../../assets/pictures
# One thread per picture tool: on a busy machine their thread teams wait on each other for seconds.
export MAGICK_THREAD_LIMIT=1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs a check again and again until it holds or $1 seconds have passed; fails if it never did.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Starts the program in the background with the dummy audio driver unless told otherwise;
# sets $pid and waits for its window ($window).
start_game() {
    # With the signals as a terminal or a desktop leaves them: a script's background job
    # would otherwise ignore SIGINT and SIGQUIT.
    SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} env --default-signal=INT,QUIT "$binary" >"$workdir/out.log" 2>&1 &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Zandorix$' 2>/dev/null | head -n 1)
    [ -n "$window" ] || fail "no window appeared; program said: $(cat "$workdir/out.log")"
}

program_ended() {
    ! kill -0 "$pid" 2>/dev/null
}

# Waits up to $1 seconds for the program to end (else fails saying so, or $2); sets $status.
wait_for_end() {
    if ! wait_until "$1" program_ended; then
        kill -9 "$pid" 2>/dev/null
        fail "${2:-the program did not end within $1 s}"
    fi
    wait "$pid"
    status=$?
}

# Holds a key down until the check that follows holds, at most $2 seconds, then lets it go. The
# game looks at its keys between two steps of play: a key let go before it looked counts for
# nothing, while a held one counts once however long it is held.
hold_key_until() {  # key seconds check...
    local key=$1 seconds=$2 held
    shift 2
    xdotool keydown "$key"
    wait_until "$seconds" "$@"
    held=$?
    xdotool keyup "$key"
    return "$held"
}

# Ends a game with Escape; sets $status.
end_with_escape() {
    xdotool keydown Escape
    wait_for_end 15 "Escape did not end the program within 15 s"
    xdotool keyup Escape
}

screenshot() {
    import -window root "$1" 2>/dev/null || xwd -root -silent | convert xwd:- "$1"
}

# Pixels that differ between two shots within a region (WxH+X+Y).
changed_pixels() {
    compare -metric AE -extract "$3" "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# Pixels that differ between a region of a shot and a same-sized region of a picture.
region_differs() {  # shot WxH+X+Y picture X+Y
    compare -metric AE "$1[$2]" "$3[${2%%+*}+$4]" null: 2>&1 | cut -d' ' -f1
}

# The checks below look at the screen unscaled (an 800 × 600 one) and leave their shot in
# $workdir/now.png.

# Whether the screen shows a region of one of the game's pictures exactly.
screen_shows() {  # WxH+X+Y picture X+Y
    screenshot "$workdir/now.png" &&
        [ "$(region_differs "$workdir/now.png" "$1" "$pictures/$2" "$3")" = 0 ]
}

# Whether more than $4 pixels of a region differ from a picture's.
screen_leaves() {  # WxH+X+Y picture X+Y pixels
    screenshot "$workdir/now.png" &&
        [ "$(region_differs "$workdir/now.png" "$1" "$pictures/$2" "$3")" -gt "$4" ] 2>/dev/null
}

# Whether a region shows exactly what it did in the shot $1.
screen_same() {  # shot WxH+X+Y
    screenshot "$workdir/now.png" && [ "$(changed_pixels "$1" "$workdir/now.png" "$2")" = 0 ]
}

# Whether more than $3 pixels of region $2 changed since the shot $1.
screen_changed() {  # shot WxH+X+Y pixels
    screenshot "$workdir/now.png" &&
        [ "$(changed_pixels "$1" "$workdir/now.png" "$2")" -gt "$3" ] 2>/dev/null
}

menu_shown() {
    screen_shows 500x90+150+75 form3/background.png 150+75
}

# Waits until a started game runs: its screen shows (the "Zeit" label), the start rows build
# up, and then its clock, drawn before the screen showed, counts the first second down. Only
# the running game polls the keys.
wait_for_game() {
    wait_until 30 screen_shows 76x21+362+546 form1/picture15.png 0+0 || fail "the game screen did not show"
    cp "$workdir/now.png" "$workdir/clock_start.png"
    wait_until 30 screen_changed "$workdir/clock_start.png" 104x30+348+567 100 || fail "the game's clock did not run"
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
    wait_until 10 menu_shown || fail "the menu did not show"
    click_at 397 559
    wait_until 10 screen_shows 312x100+360+240 form6/background.png 0+0 || fail "Start did not show the name entry"
    xdotool type --delay 40 "${1:-tester}"
    xdotool key Return
}
