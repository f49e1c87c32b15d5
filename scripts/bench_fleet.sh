#!/usr/bin/env bash
# Times a fleet session of 5 simulated radios at 9600 baud (`simulate --fleet 5 --pace`,
# `fleet --next auto`) and prints the time per radio as a ratio of its wire time: the
# bytes of its write and of the read back that checks it, both directions, at 10 bits
# per byte. The time per radio is the session's time from the first "PROGRAM" a radio
# answered to the last byte received, divided by the number of radios, so it includes
# finding each radio (the information read), the wait while one radio leaves and the
# next answers (the simulated radios leave 0.5 s after a write's "END" and the next
# answers 0.3 s later), the write and its check. Not a test: run it by hand after a build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${TARVEN_CLI:-$root/build/dist/V100/tarven-cli}
radios=${RADIOS:-5}
work=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT

"$cli" new --band cb --out "$work/fleet.dat"
"$cli" simulate --fleet "$radios" --pace >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
dev=$(head -n1 "$work/sim.out")
[ -n "$dev" ] || { echo "the simulator did not start" >&2; exit 1; }

t0=$(date +%s.%N)
"$cli" fleet --in "$work/fleet.dat" --port "$dev" --log "$work/log.csv" --count "$radios" --next auto \
    --trace "$work/fleet.trace" >"$work/fleet.out" 2>&1 || { cat "$work/fleet.out" >&2; exit 1; }
t1=$(date +%s.%N)
verified=$(grep -c ',verified,' "$work/log.csv" || true)

# One write: "PROGRAM" + answer, identification, password block, 464 data frames and
# their acknowledges, "END" + acknowledge. Its check: the same handshake, 464 read
# commands and their data frames, "END" + acknowledge.
handshake=$((7 + 3 + 1 + 16 + 4 + 22))
write=$((handshake + 464 * (22 + 1) + 3 + 1))
check=$((handshake + 464 * (4 + 22) + 3 + 1))
# Every exchange runs from a "PROGRAM" to the next one; it is a write (data frames), a
# check (reads of the memory) or the information read that finds a radio, and the time
# from its first command to its last reply counts for its kind. What is left is waiting:
# time-outs while no radio answers and the engine's own turns.
awk -v radios="$radios" -v wire_bytes=$((write + check)) -v wall="$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')" \
    -v verified="$verified" '
    function close_exchange() {
        if (xstart != "" && xlast != "") spent[kind] += xlast - xstart
        xstart = ""; xlast = ""; kind = "probe"
    }
    $2 == "TX" && $3 == "50" && NF == 9 {
        if (start == "") candidate = $1
        close_exchange(); xstart = $1; next
    }
    $2 == "TX" && $3 == "57" { kind = "write" }
    $2 == "TX" && $3 == "52" && $4 != "3E" && kind != "write" { kind = "check" }
    start == "" && $2 == "RX" && candidate != "" && $0 ~ /5A 4A 06$/ { start = candidate }
    $2 == "RX" { last = $1; xlast = $1 }
    END {
        close_exchange()
        wire = wire_bytes * 10 / 9600
        per = (last - start) / radios
        transfer = (spent["write"] + spent["check"]) / radios
        printf "%d radios, %d verified; wire time of a write and its check %.3f s (%d bytes)\n", radios, verified, wire, wire_bytes
        printf "session %.3f s, %.3f s per radio, ratio %.4f (whole command %.3f s)\n", last - start, per, per / wire, wall
        printf "per radio: write and check %.3f s (ratio %.4f), finding the radio %.3f s, waiting %.3f s\n", \
            transfer, transfer / wire, spent["probe"] / radios, per - transfer - spent["probe"] / radios
    }' "$work/fleet.trace"
