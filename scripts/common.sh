# Shared by the set-up scripts: installs the Debian packages that are missing.
set -euo pipefail

repo_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

ensure_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]} ..." >&2
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-svg-dev qt6-image-formats-plugins
                libsqlite3-dev libgl-dev)
# What the tests and benchmarks need on top.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format sqlite3)
