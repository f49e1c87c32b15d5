#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; with CI=true it also runs the suite
# once more built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j2
if [ "${CI:-}" = "true" ] || [ "${TARVEN_SANITIZE:-}" = "1" ]; then
  "$root/scripts/build.sh" "$root/build-asan" -DTARVEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j2
fi
