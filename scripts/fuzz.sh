#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/, -DTARVEN_FUZZ=ON) and runs each
# for SECONDS (default 60), one after the other at the lowest priority. Each target
# starts from its seeds in tests/fuzz/corpus/<target>/ and grows a working corpus in
# build-fuzz/corpus/<target>/; a crashing input is kept in build-fuzz/crashes/<target>/
# (copy it into the seed folder once fixed, so the test suite replays it).
# Prints executions, executions per second, coverage and crashes per target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${TARVEN_FUZZ_BUILD:-$root/build-fuzz}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEN_FUZZ=ON \
      -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
nice -n 19 cmake --build "$build" -j"${TARVEN_FUZZ_JOBS:-1}"

status=0
printf '%-20s %12s %9s %6s %8s\n' target executions exec/s cov crashes
for source in "$root"/tests/fuzz/fuzz_*.cpp; do
  target=$(basename "$source" .cpp)
  mkdir -p "$build/corpus/$target" "$build/crashes/$target"
  log="$build/$target.log"
  nice -n 19 "$build/$target" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$build/crashes/$target/" -rss_limit_mb=2048 \
       "$build/corpus/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1 || status=1
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
  # Slow units are kept beside the crashes but are no failure.
  crashes=$(find "$build/crashes/$target" -type f ! -name 'slow-unit-*' | wc -l)
  printf '%-20s %12s %9s %6s %8s\n' "$target" "$runs" "$rate" "$cov" "$crashes"
done
exit $status
