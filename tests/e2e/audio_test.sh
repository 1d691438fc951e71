#!/bin/sh
# The game's opening under a virtual X server, with SDL's disk audio driver writing the mixed
# sound to a file: the start rows' clicks must be in it, not silence.
# Usage: audio_test.sh <path of the zandorix binary>
set -u

fail() {
    echo "audio_test: FAIL: $*" >&2
    [ -s "$work/stderr" ] && sed 's/^/  program: /' "$work/stderr" >&2
    exit 1
}

bin=${1:-}
[ -n "$bin" ] && [ -x "$bin" ] || { echo "audio_test: FAIL: no binary given or not executable: '$bin'" >&2; exit 2; }
command -v xvfb-run >/dev/null || { echo "audio_test: FAIL: xvfb-run is missing (package xvfb)" >&2; exit 2; }
command -v xdotool >/dev/null || { echo "audio_test: FAIL: xdotool is missing (package xdotool)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zandorix_audio.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM

# Signed 16-bit samples, native order, as the mixer was opened: their count, peak and audible ones.
cat > "$work/levels" <<'INNER'
#!/bin/sh
od -An -v -td2 -w2 "$1" 2>/dev/null |
    awk '{ v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v; if (v > 256) loud++; n++ }
         END { printf "%d %d %d\n", n, peak, loud }'
INNER
export min_peak=2000 min_loud=1000

# Inside the X session: start the game from the menu as a player does (the window fills the
# 1024 × 768 screen, so the menu's Start at (397, 559) is at (508, 715)), let the start rows
# animate for 4 s of sound and until the sound is loud enough, then ask it to end as a window
# manager would; SDL turns SIGTERM into a quit. The click and the keys wait in the program's
# queue until its menu and name entry take them; the sound is timed by what the driver wrote
# (22050 frames of 4 bytes a second), and on a busy machine the program may still be behind it.
cat > "$work/run.sh" <<'INNER'
#!/bin/sh
"$1" 2>"$2/stderr" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Zandorix$' 2>/dev/null | head -n 1)
xdotool mousemove --window "$window" 508 715 click 1
xdotool type --delay 40 tester
xdotool key Return
written() { stat -c %s "$2/audio.raw" 2>/dev/null || echo 0; }
loud_enough() {
    set -- $("$1/levels" "$1/audio.raw")
    [ "$2" -ge "$min_peak" ] && [ "$3" -ge "$min_loud" ]
}
enough=$(($(written "$@") + 4 * 22050 * 4))
i=0
while [ "$i" -lt 300 ]; do
    [ "$(written "$@")" -ge "$enough" ] && loud_enough "$2" && break
    sleep 0.1
    i=$((i + 1))
done
kill -TERM "$pid" 2>/dev/null
i=0
while kill -0 "$pid" 2>/dev/null && [ "$i" -lt 150 ]; do sleep 0.1; i=$((i + 1)); done
if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null
    echo hung >"$2/rc"
    exit 0
fi
wait "$pid"
echo $? >"$2/rc"
INNER
chmod +x "$work/run.sh" "$work/levels"

SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
    timeout 90 xvfb-run -a -s "-screen 0 1024x768x24" "$work/run.sh" "$bin" "$work" >"$work/xvfb.log" 2>&1
xrc=$?
[ -f "$work/rc" ] || { sed 's/^/  xvfb-run: /' "$work/xvfb.log" >&2; fail "the game did not run under xvfb-run (exit $xrc)"; }
rc=$(cat "$work/rc")
[ "$rc" = hung ] && fail "the game did not end within 15 s of SIGTERM"
[ "$rc" = 0 ] || fail "the game ended with exit code $rc"
grep -q "found no audio device" "$work/stderr" && fail "the game found no audio device under SDL's disk driver"
[ -s "$work/audio.raw" ] || fail "no audio was written to $work/audio.raw"

set -- $("$work/levels" "$work/audio.raw")
samples=$1 peak=$2 loud=$3
echo "audio_test: $samples samples written, peak $peak, $loud above 256"
[ "$peak" -ge "$min_peak" ] || fail "the audio is silent or nearly so (peak $peak of $samples samples)"
[ "$loud" -ge "$min_loud" ] || fail "too few audible samples ($loud of $samples)"
echo "audio_test: ok"
