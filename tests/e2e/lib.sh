# Helpers of the end-to-end tests: the real program under a virtual X server. Each *_test.sh
# sources this first, with the arguments ctest gives it (the program, close_window, watch_maps);
# the script then runs again inside `xvfb-run`, on a screen of $screen (800x600 unless set).
#
# The tests run beside many others on a busy machine, where the program may be seconds late.
# So no check follows a fixed sleep: each waits for what it looks for, up to a deadline that
# only a fault reaches, and a key the game polls is held down until it has had its effect.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 ${screen:-800x600}x24" "$0" "$@"; fi
binary=$1 close_window=$2 watch_maps=$3
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"; kill -9 ${pid:-} ${watcher:-} 2>/dev/null' EXIT
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

# Runs a copy of the program from $workdir: the build folder may hold a player's high scores.
use_own_folder() {
    cp "$binary" "$workdir/zandorix"
    cp -r "$(dirname "$binary")/sound" "$workdir/sound"
    binary=$workdir/zandorix
}

# Starts the program in the background with the dummy audio driver unless told otherwise;
# sets $pid and waits for its window ($window).
start_game() {
    # With the signals as a terminal or a desktop leaves them: a script's background job
    # would otherwise ignore SIGINT and SIGQUIT.
    SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} env --default-signal=INT,QUIT "$binary" >"$workdir/out.log" 2>&1 &
    pid=$!
    wait_until 30 window_or_end
    [ -n "$window" ] || fail "no window appeared; program said: $(cat "$workdir/out.log")"
}

window_or_end() {
    window=$(xdotool search --onlyvisible --name '^Zandorix$' 2>/dev/null | head -n 1)
    [ -n "$window" ] || program_ended
}

program_ended() {
    ! kill -0 "$pid" 2>/dev/null
}

# Waits up to 15 seconds for the program to end and fails unless it ended with status 0.
wait_for_end() {
    wait_until 15 program_ended || fail "the program did not end within 15 s"
    wait "$pid"
    local status=$?
    pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$workdir/out.log")"
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

# The checks below look at the screen unscaled (an 800 × 600 one) and leave their shot in
# $workdir/now.png.

# Whether the screen shows a region of one of the game's pictures exactly.
screen_shows() {  # WxH+X+Y picture X+Y
    import -window root "$workdir/now.png" 2>/dev/null &&
        [ "$(compare -metric AE "$workdir/now.png[$1]" "$pictures/$2[${1%%+*}+$3]" null: 2>&1 | cut -d' ' -f1)" = 0 ]
}

# How many pixels of region $2 differ between the shot $1 and the screen now.
pixels_changed() {  # shot WxH+X+Y
    import -window root "$workdir/now.png" 2>/dev/null &&
        compare -metric AE -extract "$2" "$1" "$workdir/now.png" null: 2>&1 | cut -d' ' -f1
}

# Whether more than $3 pixels of region $2 changed since the shot $1.
screen_changed() {  # shot WxH+X+Y pixels
    local changed
    changed=$(pixels_changed "$1" "$2") && [ "$changed" -gt "$3" ] 2>/dev/null
}

# Whether region $2 shows exactly what it did in the shot $1.
screen_same() {  # shot WxH+X+Y
    local changed
    changed=$(pixels_changed "$1" "$2") && [ "$changed" = 0 ]
}

menu_shown() {
    screen_shows 500x90+150+75 form3/background.png 150+75
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
