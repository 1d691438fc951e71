#!/usr/bin/env bash
# A sound file that is missing or cannot be read: the program names it and the system's reason
# in one line, ends with status 1, and shows no window before it.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"; fi
binary=$1
watch_maps=$3
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"; [ -n "${watcher:-}" ] && kill "$watcher" 2>/dev/null' EXIT
source "$here/lib.sh"

# A copy of the program with its own sound folder, which each case breaks in its way.
cp "$binary" "$workdir/zandorix"
cases=("missing:No such file or directory" "folder:Is a directory")
[ "$(id -u)" -ne 0 ] && cases+=("unreadable:Permission denied")  # root reads everything
for case in "${cases[@]}"; do
    how=${case%%:*} reason=${case#*:}
    rm -rf "$workdir/sound"
    cp -r "$(dirname "$binary")/sound" "$workdir/sound"
    file=$workdir/sound/5.wav
    case $how in
        missing) rm "$file" ;;
        folder) rm "$file" && mkdir "$file" ;;
        unreadable) chmod 000 "$file" ;;
    esac

    "$watch_maps" >"$workdir/maps" &
    watcher=$!
    wait_until 10 grep -q ready "$workdir/maps" || fail "the window watcher did not start"
    SDL_AUDIODRIVER=dummy timeout 30 "$workdir/zandorix" >"$workdir/out.log" 2>&1
    status=$?
    # Every map the program caused reaches the watcher before the mark set after it.
    "$watch_maps" sync
    wait_until 10 grep -q sync "$workdir/maps" || fail "the window watcher fell silent"
    kill "$watcher"
    wait "$watcher" 2>/dev/null
    watcher=

    said=$(cat "$workdir/out.log")
    [ "$status" -eq 1 ] || fail "$how: ended with status $status: $said"
    [ "$(wc -l <"$workdir/out.log")" -eq 1 ] || fail "$how: not one line: $said"
    case $said in
        *"$file: $reason") ;;
        *) fail "$how: the message does not name $file and '$reason': $said" ;;
    esac
    ! grep -q '^map' "$workdir/maps" || fail "$how: a window was shown before the message"
done
echo ok
