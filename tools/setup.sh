# Shared set-up of ./play and ./test: installs the Debian packages that are missing, then
# configures and builds. Sourced, not run.

zandorix_packages_build=(g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
                         libsdl2-image-dev fonts-dejavu-core libgtest-dev libbenchmark-dev)
zandorix_packages_test=(xvfb xdotool libx11-dev imagemagick clang libclang-rt-14-dev)

zandorix_install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
}

# zandorix_build <build dir> [cmake options...]
zandorix_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -Wno-dev "$@" >/dev/null && cmake --build "$dir" -- -j"$(nproc)"
}
