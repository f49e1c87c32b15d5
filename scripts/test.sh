#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; with CI=true it also runs the suite
# once more built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# CI builds from nothing and throws the builds away: line tables are all the debug
# information its reports need.
ci_flags=()
[ "${CI:-}" = "true" ] && ci_flags=(-DTARVEN_DEBUG_INFO=lines)
"$root/scripts/build.sh" "$root/build" "${ci_flags[@]}"
ctest --test-dir "$root/build" --output-on-failure -j2
if [ "${CI:-}" = "true" ] || [ "${TARVEN_SANITIZE:-}" = "1" ]; then
  "$root/scripts/build.sh" "$root/build-asan" -DTARVEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug "${ci_flags[@]}"
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j2
fi
