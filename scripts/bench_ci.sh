#!/usr/bin/env bash
# Times what CI does (.ci/run) on a clean clone, without the compiler cache (CI machines
# have none): clones COMMIT (default HEAD) of this repository into DIR (which must not
# exist yet), runs .ci/run there at low priority, and prints the wall, user and system
# time of every cmake and ctest step it ran and of the whole run. CPU time (user + sys)
# is the figure to compare on a shared machine; wall time depends on the other load.
#   scripts/bench_ci.sh DIR [COMMIT]
# Not a test: run it by hand. The clone is left in DIR for a look at its build logs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:?usage: scripts/bench_ci.sh DIR [COMMIT]}
commit=${2:-HEAD}
[ -e "$dir" ] && { echo "$dir already exists: give a new directory" >&2; exit 1; }

git clone -q --no-hardlinks "$root" "$dir"
git -C "$dir" checkout -q --detach "$(git -C "$root" rev-parse "$commit")"
dir=$(cd "$dir" && pwd)
log=$dir/bench-steps.log
: >"$log"

# Stand-ins for cmake and ctest that time each call into the log, whatever the scripts run.
shims=$dir/bench-shims
mkdir -p "$shims"
for tool in cmake ctest; do
  real=$(command -v "$tool")
  cat >"$shims/$tool" <<EOF
#!/usr/bin/env bash
exec /usr/bin/time -a -o "$log" -f "%e s wall %U s user %S s sys  $tool \$(echo "\$*" | cut -c1-90)" "$real" "\$@"
EOF
  chmod +x "$shims/$tool"
done

export CCACHE_DISABLE=1
export PATH=$shims:$PATH
status=0
nice -n 10 /usr/bin/time -o "$dir/bench-total.log" -f "%e s wall %U s user %S s sys  whole .ci/run" \
  bash "$dir/.ci/run" >"$dir/bench-output.log" 2>&1 || status=$?

echo "commit $(git -C "$dir" rev-parse --short HEAD), $(nproc) cores; .ci/run exit $status"
grep -v '^Command exited' "$log" | awk '$1 >= 1'   # steps of at least a second
cat "$dir/bench-total.log"
echo "tests: $(grep -h 'tests passed' "$dir/bench-output.log" | tr '\n' ' ')"
exit "$status"
