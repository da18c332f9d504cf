#!/usr/bin/env bash
# Builds Kvidrel and runs every test: widget tests on Qt's offscreen platform, the
# desktop flows (tests/wm) on an X server of their own with openbox.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
# Every source file keeps the project's format (.clang-format).
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
bash tools/check-install.sh
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure -j"$(nproc)"
