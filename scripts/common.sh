# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

KESTREL_PACKAGES=(g++ cmake ninja-build qt6-base-dev fonts-liberation
                  libgtest-dev libgmock-dev libbenchmark-dev)

missing_packages() {
    local p
    for p in "${KESTREL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages)
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

build_project() {
    local root build_dir
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    build_dir="$root/build"
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$build_dir" --parallel "$(nproc)"
    KESTREL_BUILD_DIR="$build_dir"
}
