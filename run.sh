#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvan on the embedded demo company.
set -euo pipefail
cd "$(dirname "$0")"
QV_TARGETS=quorvan source scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: Quorvan is a desktop program and needs one." >&2
    echo "Run it on a desktop, or under a virtual display:  xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec ./build/quorvan "$@"
