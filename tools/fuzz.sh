#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into ./build-fuzz and runs each one,
# starting from the seed files in fuzz/corpus. Prints the inputs each one ran;
# fails on any crash, hang or sanitizer report (the input is kept under
# build-fuzz/artifacts).
#
#   tools/fuzz.sh                 every target for 60 s
#   tools/fuzz.sh 20              every target for 20 s
#   tools/fuzz.sh -n 1000000 fuzz_struktur   one target until a million inputs
set -euo pipefail
cd "$(dirname "$0")/.."
limit=(-max_total_time=60)
label="in 60 s"
if [ "${1:-}" = "-n" ]; then
    limit=(-runs="$2")
    label="of $2 asked for"
    shift 2
elif [ -n "${1:-}" ] && [ "${1#fuzz_}" = "$1" ]; then
    limit=(-max_total_time="$1")
    label="in $1 s"
    shift
fi
all=(fuzz_textfile fuzz_spmfil fuzz_deltagere fuzz_options fuzz_struktur fuzz_placering fuzz_csv)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

compiler="$(command -v clang++-14 || command -v clang++ || true)"
if [ -z "$compiler" ]; then
    echo "fuzz.sh: clang++ is missing (Debian: clang-14 libclang-rt-14-dev)" >&2
    exit 1
fi
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
    -DKVIDREL_FUZZ=ON -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

# A small quarantine and short allocation stacks: the run's pace is set by
# fresh pages and stack capture, not by the code under test.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:quarantine_size_mb=16:malloc_context_size=5:max_malloc_fill_size=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}"
# The targets write scratch files; saves sync them to disk, which on a memory
# file system costs nothing.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
mkdir -p build-fuzz/artifacts
status=0
for t in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$t"
    log="build-fuzz/$t.log"
    # New inputs go to the build folder's corpus; the seeds stay untouched.
    if build-fuzz/fuzz/"$t" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$t-" \
        "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        secs="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")"
        echo "$t: ${runs:-?} inputs ($label) in ${secs:-?} s, no findings"
    else
        echo "$t: FAILED, see $log" >&2
        tail -n 30 "$log" >&2
        status=1
    fi
done
exit "$status"
