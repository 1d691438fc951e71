# Shared set-up of ./play and ./test: installs the Debian packages that are missing, then
# configures and builds. Sourced, not run.

# What a player needs to build and run the game.
zandorix_packages_play=(g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
                        libsdl2-image-dev fonts-dejavu-core)
# What the tests and benchmarks need on top. xvfb only recommends xauth, which xvfb-run cannot do
# without; clang only recommends the runtime that holds libFuzzer.
zandorix_packages_test=(libgtest-dev libbenchmark-dev xvfb xauth xdotool libx11-dev imagemagick clang
                        libclang-rt-14-dev)

zandorix_install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
            "${missing[@]}"
}

# zandorix_build <build dir> <cmake --build options...> -- <configure options...>
# Ninja shows its progress; the configure step speaks only when it fails.
zandorix_build() {
    local dir=$1 build=() log
    shift
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do build+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    log=$(cmake -S . -B "$dir" -G Ninja -Wno-dev "$@" 2>&1) || { echo "$log" >&2; return 1; }
    cmake --build "$dir" "${build[@]}" -- -j"$(nproc)"
}
