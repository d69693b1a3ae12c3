#!/usr/bin/env bash
# Runs the window's agreement tests under valgrind's memcheck and fails on any
# memory that the program lost (definitely or indirectly). This is the leak
# check of the ordinary build, Qt's own allocations included; the sanitizer
# build runs LeakSanitizer over every test besides.
#
# Neither LeakSanitizer nor valgrind reports a top-level window that is never
# deleted, since Qt keeps a reference to it; the agreement test checks that no
# top-level window is left once the main window is gone.
#
# Usage: tests/leak/run-valgrind.sh [BUILD_DIR]
#        (default build/dev, as scripts/test.sh builds it; the two test
#        programs must have been built there)
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$repo/build/dev}
tests=("$build/tests/agreement/window_agreement_test" "$build/ui/tests/agreementtest")

status=0
for test in "${tests[@]}"; do
    log="$build/valgrind-$(basename "$test").log"
    echo "== valgrind: $(basename "$test") =="
    if QT_QPA_PLATFORM=offscreen valgrind --leak-check=full \
        --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
        --error-exitcode=3 --num-callers=40 "$test" >"$log" 2>&1; then
        grep -E "definitely lost|indirectly lost" "$log" || true
    else
        status=1
        echo "FAILED, see $log"
        grep -E -A40 "definitely lost in|indirectly lost in|FAIL!" "$log" | head -n 120
    fi
done
exit "$status"
