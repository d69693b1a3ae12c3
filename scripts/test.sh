#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test: the debug build,
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzz targets for a bounded time, and the Debian package built, installed,
# exercised and removed again.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in dev sanitize; do
    echo "== $preset build =="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "== fuzzers =="
tests/fuzz/run-fuzzers.sh "${QUINTARO_FUZZ_SECONDS:-60}"

echo "== package =="
cmake --preset release
cmake --build --preset release
packaging/test-package.sh build/release
