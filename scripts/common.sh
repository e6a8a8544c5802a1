# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

# dpkg-dev: dpkg-shlibdeps computes the Debian package's dependencies, and
# cpack runs file to find the executables it asks about.
# fonts-dejavu-core: with fonts-liberation alone fontconfig answers
# "sans-serif" with Liberation Mono, and the menus and the manual would be
# monospaced.
KESTREL_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev fonts-liberation fonts-dejavu-core
                  dpkg-dev file libgtest-dev libgmock-dev libbenchmark-dev)
# Only ./fuzz.sh needs these: clang with libFuzzer and its sanitizer runtimes.
KESTREL_FUZZ_PACKAGES=(clang libclang-rt-dev)

# The given packages that are not installed (the build's when none given).
missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

ensure_packages() {
    local missing
    if [ $# -eq 0 ]; then set -- "${KESTREL_PACKAGES[@]}"; fi
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing missing packages:" $missing
    local sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo_cmd=(sudo)
        else
            echo "error: these Debian packages are missing and I am neither root nor able to use sudo:" >&2
            echo "       $missing" >&2
            echo "       install them with: apt-get install --no-install-recommends $missing" >&2
            exit 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    # shellcheck disable=SC2086
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends $missing
}

# build_project [folder [cmake options...]]: configures once, then builds
# KESTREL_BUILD_TARGETS (every target when unset).
build_project() {
    local root build_dir
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    build_dir="$root/${1:-build}"
    [ $# -gt 0 ] && shift
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    # shellcheck disable=SC2086
    cmake --build "$build_dir" --parallel "$(nproc)" ${KESTREL_BUILD_TARGETS:+--target $KESTREL_BUILD_TARGETS}
    KESTREL_BUILD_DIR="$build_dir"
}
