#!/usr/bin/env bash
# Measures a running program under a virtual X server: its share of one core, the game loop's
# passes a second, its resident memory and the time from its start to its first frame.
#
#   bench/measure/measure.sh [-r rounds] <width>x<height> <seconds> <play|pause|menu> [program [args...]]
#
# play:  a game started from the menu (Start, a name, Enter), then keys pressed now and then
#        (cursor steps and swaps) while both boards run
# pause: a game started the same way, P pressed once it runs, then the pointer moves on and on
# menu:  nothing pressed (the screen the program opens with); "idle" is the same
# The program defaults to build/zandorix (a copy of it is known by its DoEvents); any other
# (crack-attack --solo) is measured alike, without the menu and without a pass count. Prints one line per round and the medians. Needs Xvfb, xdotool, libX11 and root
# for the pass count (a kernel uprobe on DoEvents, counted apart from the timed window).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

rounds=3
if [ "${1:-}" = "-r" ]; then rounds=$2; shift 2; fi
[ $# -ge 3 ] || { sed -n '5,14p' "$0" >&2; exit 2; }
size=$1 seconds=$2 mode=$3
shift 3
program=("$@")
[ ${#program[@]} -gt 0 ] || program=("$repo/build/zandorix")
[ "$mode" = idle ] && mode=menu
case $mode in play | pause | menu) ;; *) echo "unknown mode $mode" >&2; exit 2 ;; esac

work=$(mktemp -d)
xvfb_pid="" pid=""
stop() {
    [ -n "$pid" ] && { kill "$pid" 2>/dev/null; sleep 0.3; kill -9 "$pid" 2>/dev/null; } || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    pid="" xvfb_pid=""
}
trap 'stop; rm -rf "$work"' EXIT

watch="$work/watch"
cc -O2 -o "$watch" "$here/watch.c" -lX11

# File offset of DoEvents in the program: the game loop calls it once a pass.
pass_offset=""
binary=$(command -v "${program[0]}")
if address=$(nm "$binary" 2>/dev/null | awk '$3 == "_Z8DoEventsv" { print $1 }') && [ -n "$address" ]; then
    while read -r type offset vaddr _ _ memsize _; do
        [ "$type" = LOAD ] || continue
        if (((16#$address) >= vaddr && (16#$address) < vaddr + memsize)); then
            pass_offset=$((16#$address - vaddr + offset))
            break
        fi
    done < <(readelf -lW "$binary")
fi

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

keys_now_and_then() {
    local keys=(Left Up space Right Down space)
    local i=0
    while kill -0 "$pid" 2>/dev/null; do
        xdotool key "${keys[i % ${#keys[@]}]}" 2>/dev/null || true
        i=$((i + 1))
        sleep 0.4
    done
}
# Clicks at a point of the game's 800 × 600 screen, scaled to the whole screen as the game shows it.
click_at() {
    awk -v size="$size" -v px="$1" -v py="$2" 'BEGIN {
        split(size, d, "x"); w = d[1]; h = d[2]
        s = w / 800; if (h / 600 < s) s = h / 600
        printf "%d %d\n", (w - 800 * s) / 2 + (px + 0.5) * s, (h - 600 * s) / 2 + (py + 0.5) * s }' |
        { read -r x y; xdotool mousemove "$x" "$y" click 1; }
}
# The game opens with the menu: Start (344,544, 106 × 31), a name, Enter.
start_game() {
    click_at 397 559
    sleep 0.5
    xdotool type --delay 40 measure
    xdotool key Return
}
pointer_moving() {
    local i=0
    local w=${size%x*} h=${size#*x}
    while kill -0 "$pid" 2>/dev/null; do
        xdotool mousemove $(((i * 37) % w)) $(((i * 53) % h)) 2>/dev/null || true
        i=$((i + 1))
        sleep 0.01
    done
}

results=()
for round in $(seq "$rounds"); do
    display=:$((90 + RANDOM % 400))
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp -br >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

    read -r pid first_ms < <(cd "$(dirname "$binary")" && SDL_AUDIODRIVER=dummy "$watch" start "${program[@]}" 2>"$work/err")
    if [ -n "$pass_offset" ] && [ "$mode" != menu ]; then
        sleep 1  # the menu takes input
        start_game
    fi
    sleep 6  # the start rows build up
    helper=""
    case $mode in
        play) keys_now_and_then & helper=$! ;;
        pause) xdotool key p; sleep 1; pointer_moving & helper=$! ;;
        menu) ;;
    esac
    sleep 1
    t0=$(date +%s%N) p0=$(ticks "$pid") x0=$(ticks "$xvfb_pid")
    sleep "$seconds"
    t1=$(date +%s%N) p1=$(ticks "$pid") x1=$(ticks "$xvfb_pid")
    rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
    passes="-"
    if [ -n "$pass_offset" ] && [ "$mode" != pause ]; then
        window=$((seconds < 5 ? seconds : 5))
        hits=$("$watch" count "$pid" "$binary" "$pass_offset" "$window" 2>>"$work/err" || echo "")
        [ -n "$hits" ] && passes=$((hits / window))
    fi
    [ -n "$helper" ] && kill "$helper" 2>/dev/null
    wait "$helper" 2>/dev/null || true
    alive=yes
    kill -0 "$pid" 2>/dev/null || alive=no
    stop

    wall=$(((t1 - t0) / 1000000))
    cpu=$(awk -v t=$((p1 - p0)) -v hz="$hz" -v ms="$wall" 'BEGIN { printf "%.1f", 100 * t / hz / (ms / 1000) }')
    xcpu=$(awk -v t=$((x1 - x0)) -v hz="$hz" -v ms="$wall" 'BEGIN { printf "%.1f", 100 * t / hz / (ms / 1000) }')
    rss=$((rss_kb / 1024))
    printf 'round %d  %s %s: cpu %5s%%  passes/s %5s  rss %4s MB  first frame %5s ms  X server %5s%%%s\n' \
        "$round" "$mode" "$size" "$cpu" "$passes" "$rss" "$first_ms" "$xcpu" \
        "$([ $alive = yes ] || echo '  (the program ended early)')"
    results+=("$cpu $passes $rss $first_ms $xcpu")
done
[ -s "$work/err" ] && sed 's/^/  program: /' "$work/err" | head -5 >&2

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { printf '%s\n' "${results[@]}" | awk -v c="$1" '{ print $c }' | grep -v '^-$' | median; }
printf 'median %s %s %s: cpu %s%%  passes/s %s  rss %s MB  first frame %s ms  X server %s%%\n' \
    "$(basename "${program[0]}")" "$mode" "$size" "$(column 1)" "$(column 2)" "$(column 3)" "$(column 4)" "$(column 5)"
