#!/usr/bin/env bash
# Configures and builds into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
# A compiler cache, where the machine has one, makes rebuilds cheap.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVIDREL_DEVELOPER_BUILD=ON \
    "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
