#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest: the release build (build/),
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), and a few
# seconds of each fuzz target (build-fuzz/, clang). CI runs all three. While iterating,
# QV_SUITES picks some: QV_SUITES=release ./test.sh
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

qv_ctest() {
    ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" --timeout 300
}

for suite in ${QV_SUITES:-release asan fuzz}; do
    case "$suite" in
        release) qv_ctest build ;;
        asan)
            QV_TARGETS= qv_build build-asan -DQV_SANITIZE=ON
            qv_ctest build-asan
            ;;
        fuzz)
            QV_TARGETS= qv_build build-fuzz -DQV_FUZZ=ON \
                -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
            qv_ctest build-fuzz
            ;;
        *)
            echo "QV_SUITES: unknown suite '$suite' (release, asan, fuzz)" >&2
            exit 2
            ;;
    esac
done
