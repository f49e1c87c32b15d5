#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/, -DTARVEN_FUZZ=ON) and runs each
# for SECONDS (default 60) at the lowest priority, TARVEN_FUZZ_PARALLEL targets at a
# time (default 1; each target uses one core). Each target starts from its seeds in
# tests/fuzz/corpus/<target>/ and grows a working corpus in build-fuzz/corpus/<target>/;
# a crashing input is kept in build-fuzz/crashes/<target>/ (copy it into the seed folder
# once fixed, so the test suite replays it).
# Prints executions, executions per second, coverage and crashes per target.
# TARVEN_FUZZ_TARGETS="fuzz_a fuzz_b" builds and runs only those targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${TARVEN_FUZZ_BUILD:-$root/build-fuzz}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEN_FUZZ=ON \
      -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
chosen=(${TARVEN_FUZZ_TARGETS:-})
build_targets=()
for target in "${chosen[@]}"; do build_targets+=(--target "$target"); done
nice -n 19 cmake --build "$build" -j"${TARVEN_FUZZ_JOBS:-1}" "${build_targets[@]}"

# Runs one target and leaves its figures in build-fuzz/<target>.summary.
run_target() {
  local target=$1 log="$build/$1.log" status=0
  mkdir -p "$build/corpus/$target" "$build/crashes/$target"
  nice -n 19 "$build/$target" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$build/crashes/$target/" -rss_limit_mb=2048 \
       "$build/corpus/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1 || status=1
  local runs rate cov crashes
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
  # Slow units are kept beside the crashes but are no failure.
  crashes=$(find "$build/crashes/$target" -type f ! -name 'slow-unit-*' | wc -l)
  printf '%-20s %12s %9s %6s %8s\n' "$target" "$runs" "$rate" "$cov" "$crashes" >"$build/$target.summary"
  return $status
}

parallel=${TARVEN_FUZZ_PARALLEL:-1}
targets=("${chosen[@]}")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/tests/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi
status=0
running=0
for target in "${targets[@]}"; do
  if (( running >= parallel )); then
    wait -n || status=1
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
while (( running > 0 )); do
  wait -n || status=1
  running=$((running - 1))
done

printf '%-20s %12s %9s %6s %8s\n' target executions exec/s cov crashes
for target in "${targets[@]}"; do
  cat "$build/$target.summary"
done
exit $status
