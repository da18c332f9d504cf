#!/usr/bin/env bash
# Builds Kvidrel and starts it; without a display it runs on a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Kvidrel on a virtual display (Xvfb)."
    exec xvfb-run -a -s "-screen 0 1600x1000x24" ./build/src/app/kvidrel "$@"
fi
exec ./build/src/app/kvidrel "$@"
