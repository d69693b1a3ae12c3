#!/usr/bin/env bash
# Sets up what is missing, builds Quintaro and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target quintaro
exec build/release/ui/quintaro
