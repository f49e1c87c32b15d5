#!/usr/bin/env bash
# Times a full read, a full write and a write read back for checking (--verify) against
# the simulated radio at 9600 baud and prints each as a ratio of the ideal wire time: every byte on the line, both directions, at
# 10 bits per byte. The transfer is timed from the "PROGRAM" the radio answered to the
# last byte received, taken from the --trace log; the whole command's wall time (process
# start, echo detection) is shown beside it, and the time the engine took from taking a
# reply to sending the next command. Not a test: run it by hand after a build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${TARVEN_CLI:-$root/build/dist/V100/tarven-cli}
work=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT

"$cli" simulate --pace >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
dev=$(head -n1 "$work/sim.out")
[ -n "$dev" ] || { echo "the simulator did not start" >&2; exit 1; }

# Ratio of the answered exchange in a trace: "<seconds> TX|RX <hex bytes>" lines.
ratio() {
    awk '
        $2 == "TX" && $3 == "50" && NF == 9 { candidate = $1; pending = 7; next }
        !started && $2 == "RX" && candidate != "" && $0 ~ /5A 4A 06$/ {
            started = 1; start = candidate; bytes = pending + (NF - 2); last = $1; next
        }
        started && $2 == "TX" && last != "" { engine += $1 - last }
        started && ($2 == "TX" || $2 == "RX") { bytes += NF - 2; if ($2 == "RX") last = $1 }
        END {
            ideal = bytes * 10 / 9600
            printf "%6d bytes  ideal %7.3f s  transfer %7.3f s  ratio %.4f  (reply to next command %.3f s)", \
                bytes, ideal, last - start, (last - start) / ideal, engine
        }' "$1"
}

run() {
    local name=$1; shift
    local t0 t1
    t0=$(date +%s.%N)
    "$cli" "$@" --port "$dev" --trace "$work/$name.trace" --no-backup 2>"$work/$name.err" || { cat "$work/$name.err" >&2; exit 1; }
    t1=$(date +%s.%N)
    printf '%-6s %s  (whole command %.3f s)\n' "$name" "$(ratio "$work/$name.trace")" \
        "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')"
}

run read read --out "$work/read.dat"
run write write --in "$work/read.dat"
run verify write --in "$work/read.dat" --verify
