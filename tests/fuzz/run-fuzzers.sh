#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a bounded time.
#
# A crash, a sanitizer report or a broken rule fails the script; libFuzzer
# then writes the input that did it (crash-*, leak-*, timeout-*, oom-*) into
# tests/fuzz/corpus/<target>/, where the corpus test of every ordinary build
# replays it from then on: commit it together with the fix.
#
# Usage: tests/fuzz/run-fuzzers.sh [SECONDS_PER_TARGET [TARGET...]]
#        (default: 60 seconds each for every target)
# Environment: BUILD_DIR, the build folder (default build/fuzz).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(conversion driver)
fi
build=${BUILD_DIR:-$repo/build/fuzz}

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
flags+=" -fno-omit-frame-pointer -g -O1"

cmake -S "$repo" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" \
    -DQUINTARO_BUILD_FUZZERS=ON -DQUINTARO_BUILD_TESTS=ON -DQUINTARO_BUILD_UI=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzzer}"

summary=()
status=0
for target in "${targets[@]}"; do
    seeds="$repo/tests/fuzz/corpus/$target"
    # New inputs go to the first folder, which lives in the build folder; the
    # kept seeds are only read.
    work="$build/fuzz-corpus/$target"
    log="$build/fuzz-$target.log"
    mkdir -p "$work"
    echo "== fuzzing $target for ${seconds}s =="
    if "$build/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -dict="$repo/tests/fuzz/$target.dict" \
        -artifact_prefix="$seeds/" "$work" "$seeds" >"$log" 2>&1; then
        result=passed
    else
        result=FAILED
        status=1
        tail -n 60 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    summary+=("$target: $result, ${runs:-?} executions in ${seconds}s (log: $log)")
done

printf '%s\n' "${summary[@]}"
exit "$status"
