#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest: the release build (build/)
# and the same tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/). CI runs
# both. While iterating, QV_SUITES picks some: QV_SUITES=release ./test.sh
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

qv_ctest() {
    ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" --timeout 300
}

for suite in ${QV_SUITES:-release asan}; do
    case "$suite" in
        release) qv_ctest build ;;
        asan)
            QV_TARGETS= qv_build build-asan -DQV_SANITIZE=ON
            qv_ctest build-asan
            ;;
        *)
            echo "QV_SUITES: unknown suite '$suite' (release, asan)" >&2
            exit 2
            ;;
    esac
done
