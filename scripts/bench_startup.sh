#!/usr/bin/env bash
# Start-up benchmark of the desktop program under a virtual X server, on a copy of the
# runnable tree: time from process start to the splash on screen, time from the end of
# the splash delay to the main window (with its channel grid) on screen, and peak
# memory. Each figure is the median of RUNS runs (default 7). Targets: 0.3 s, 0.3 s, 80 MB.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
runs=${RUNS:-7}
"$root/scripts/build.sh" "$build" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/dist" "$work/dist"
mkdir -p "$work/home"

cat > "$work/runs.sh" <<INNER
#!/usr/bin/env bash
for i in \$(seq $runs); do
  TARVEN_BENCH=1 TARVEN_BENCH_T0=\$(date +%s%3N) "$work/dist/V100/tarven"
done
INNER
chmod +x "$work/runs.sh"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config LANG=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$work/runs.sh" > "$work/out.txt" 2>/dev/null

median() { sort -n | awk '{v[NR]=$1} END {if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
splash=$(awk '$2 == "splash-shown" {print $3}' "$work/out.txt" | median)
main=$(awk '$2 == "main-shown" {gsub(/\)/, "", $7); print $7}' "$work/out.txt" | median)
memory=$(awk '$2 == "peak-memory" {print $3}' "$work/out.txt" | median)
echo "runs:                                 $runs"
echo "process start to splash on screen:    ${splash} ms   (target 300 ms)"
echo "end of splash delay to main window:   ${main} ms   (target 300 ms)"
echo "peak memory (VmHWM):                  $((memory / 1024)) MB   (target 80 MB)"
