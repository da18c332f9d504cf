#!/usr/bin/env bash
# Saves a picture of each window, as a newcomer sees them on a fresh data root,
# into docs/skaermbilleder/. The pictures are taken by the test that plays a
# newcomer's first game through the real windows; it makes its own temporary
# data root and draws the windows off screen, so no display is needed.
# Expects a configured ./build (tools/build.sh or tools/test.sh made one).
set -euo pipefail
cd "$(dirname "$0")/.."
mappe="$PWD/docs/skaermbilleder"
cmake --build build --target app_tests -j"$(nproc)"
mkdir -p "$mappe"
rm -f "$mappe"/*.png
KVIDREL_SKAERMBILLEDER="$mappe" QT_QPA_PLATFORM=offscreen \
    ./build/tests/app_tests --gtest_filter='NybegynderTest.*'
ls "$mappe"
