#!/bin/sh
# Screenshots of the whole 1920x1080 screen: the board at 1x during a question,
# in full screen then and on the answer page, and back at 1x; once at scale 1 and
# once with QT_SCALE_FACTOR=2. Usage: tools/skaermbilleder.sh [build] [folder]
set -e
bygning=${1:-build}
mappe=${2:-/tmp/skaerm}
mkdir -p "$mappe"
for x in 1 2; do
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$x KVIDREL_SKAERMBILLEDER="$mappe" \
        xvfb-run -a -s "-screen 0 1920x1080x24" "$bygning/benchmarks/tavle_bench"
done
