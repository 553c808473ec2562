#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
