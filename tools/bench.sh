#!/usr/bin/env bash
# Builds Kvidrel in Release into ./build-bench and runs every benchmark on a
# virtual display; each figure is printed beside its comparison from the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DKVIDREL_DEVELOPER_BUILD=ON "${launcher[@]}" >/dev/null
cmake --build build-bench -j"$(nproc)" >/dev/null
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
fi
# Every program directly in the folder is a benchmark; helpers live below it.
# A missed goal is reported, and the rest still run.
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    status=0
    for b in build-bench/benchmarks/*; do
        [ -f "$b" ] && [ -x "$b" ] || continue
        echo "== $(basename "$b")"
        "$b" || status=1
    done
    exit $status'
