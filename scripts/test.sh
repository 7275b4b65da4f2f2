#!/usr/bin/env bash
# Installs what is needed, builds and runs every test: first the normal build,
# then the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Warnings are errors in both. Then each fuzz target runs for a bounded time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build=${VANTIKO_BUILD:-$top/build}
export QT_QPA_PLATFORM=offscreen

VANTIKO_BUILD=$build "$top/scripts/build.sh" -DVANTIKO_WERROR=ON
cmake --build "$build" --target format-check
ctest --test-dir "$build" --output-on-failure -j2

sanitize=${VANTIKO_SANITIZE_BUILD:-$build-sanitize}
VANTIKO_BUILD=$sanitize "$top/scripts/build.sh" -DVANTIKO_WERROR=ON -DVANTIKO_SANITIZE=ON \
  -DVANTIKO_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export LSAN_OPTIONS=suppressions=$top/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$sanitize" --output-on-failure -j2

# Every fuzz target for a bounded time, over its seeds and its regression inputs.
"$top/scripts/fuzz.sh"
