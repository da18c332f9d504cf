#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-san and runs the whole test suite there; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVIDREL_SANITIZE=ON \
    -DKVIDREL_DEVELOPER_BUILD=ON "${launcher[@]}" >/dev/null
cmake --build build-san -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
# Only leaks of third-party libraries are suppressed, each named in the file.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}"
cd build-san && ctest --output-on-failure -j"$(nproc)"
