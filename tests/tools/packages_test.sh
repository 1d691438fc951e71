#!/usr/bin/env bash
# Every program that ./test and its scripts call comes from a package that tools/setup.sh
# installs (or from one those packages depend on, or from the base system), so that ./test
# works on a minimal Debian machine.
set -u
root=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
source "$root/tools/setup.sh"

# The programs of ./test, tools/make-assets and tests/e2e; the shell's own builtins aside.
programs=(cmake ctest ninja cc c++ clang++ pkg-config xvfb-run Xvfb xauth xdotool import convert compare
          od awk timeout mktemp diff readlink env seq)

listed=" ${zandorix_packages_play[*]} ${zandorix_packages_test[*]} "
# The listed packages' direct dependencies come along with them.
for pkg in ${listed}; do
    deps=$(dpkg-query -W -f='${Depends},${Pre-Depends}' "$pkg" 2>/dev/null | tr ',|' '\n\n' |
        sed -E 's/\(.*\)//; s/:any//; s/[[:space:]]//g' | grep -v '^$')
    listed+="$(echo $deps) "
done

# The package that owns a program: the first link of its chain of symlinks that one owns.
owner() {
    local path=$1 pkg
    while :; do
        pkg=$(dpkg -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1) && [ -n "$pkg" ] && { echo "$pkg"; return; }
        [ -L "$path" ] || return 1
        path=$(cd "$(dirname "$path")" && readlink -f "$(readlink "$path")")
    done
}

provided() {
    local pkg=$1
    case "$listed" in *" $pkg "*) return 0 ;; esac
    [ "$(dpkg-query -W -f='${Essential}' "$pkg" 2>/dev/null)" = yes ] && return 0
    [ "$(dpkg-query -W -f='${Priority}' "$pkg" 2>/dev/null)" = required ]
}

missing=()
for program in "${programs[@]}"; do
    found=no
    for path in $(type -ap "$program"); do
        pkg=$(owner "$path") || continue
        found=$pkg
        provided "$pkg" && { found=ok; break; }
    done
    case "$found" in
        ok) ;;
        no) missing+=("$program (not installed from any package)") ;;
        *) missing+=("$program (package $found)") ;;
    esac
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: programs the tests call that tools/setup.sh does not install:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "ok: ${#programs[@]} programs, each from an installed package"
