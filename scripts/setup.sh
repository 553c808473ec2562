#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need (only those missing),
# then configures and builds into build/: the targets named in QV_TARGETS, or everything.
# Sourced by run.sh and test.sh; test.sh builds its other build folders with qv_build too.
set -euo pipefail

QV_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite libqt6sql6-odbc
    unixodbc unixodbc-dev libsqliteodbc
    # FreeTDS: the tests check the login it sends to a stand-in server.
    tdsodbc
    libsqlite3-dev sqlite3
    libxlsxwriter-dev
    python3-openpyxl python3-pil
    libgtest-dev
    fonts-dejavu-core
    xvfb xauth
    # The icon renderings, and the package test (cpack's dependency scan runs file).
    librsvg2-bin desktop-file-utils file
    # The fuzz build: clang and its libFuzzer and sanitizer runtimes.
    clang libclang-rt-14-dev
)

qv_install_missing() {
    local missing=()
    local p
    for p in "${QV_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# qv_build [FOLDER [CMAKE_OPTION...]]: FOLDER (default build) configured with the options on
# its first use, then built.
qv_build() {
    local top dir
    top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    dir="$top/${1:-build}"
    if [ $# -gt 0 ]; then shift; fi
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$top" -B "$dir" -G Ninja "$@"
    fi
    local targets=()
    [ -n "${QV_TARGETS:-}" ] && targets=(--target ${QV_TARGETS})
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}

qv_install_missing
qv_build
