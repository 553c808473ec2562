#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need (only those missing),
# then configures and builds into build/: the targets named in QV_TARGETS, or everything.
# Sourced by run.sh and test.sh.
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

qv_build() {
    local top
    top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    if [ ! -f "$top/build/build.ninja" ]; then
        cmake -S "$top" -B "$top/build" -G Ninja
    fi
    local targets=()
    [ -n "${QV_TARGETS:-}" ] && targets=(--target ${QV_TARGETS})
    cmake --build "$top/build" --parallel "$(nproc)" "${targets[@]}"
}

qv_install_missing
qv_build
