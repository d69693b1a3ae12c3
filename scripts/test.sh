#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test: once in the
# ordinary debug build and once with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in dev sanitize; do
    echo "== $preset build =="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
