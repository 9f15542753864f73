# Shared by the project's scripts: installs what the build needs from
# Debian's packages (only what is missing) and builds the project.

QUORLED_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
QUORLED_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev qt6-base-dev
                  libgl-dev zlib1g-dev clang libclang-rt-14-dev nettle-dev
                  nlohmann-json3-dev libcli11-dev)

quorled_install_packages() {
    local missing=()
    for package in "${QUORLED_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

# quorled_build BUILD_DIR [cmake options...]
quorled_build() {
    local dir="$1"
    shift
    cmake -S "$QUORLED_ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$(nproc)"
}
