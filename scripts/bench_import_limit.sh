#!/usr/bin/env bash
# Imports a 50 MB table of junk rows with /usr/bin/time -v and prints the exit status,
# the wall-clock time and the peak memory: a table far larger than any channel list must
# be refused at once, in little memory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${TARVEN_CLI:-$root/build/dist/V100/tarven-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" new --band hf --out "$work/doc.dat"
# 50 MB: a header, then rows of "x".
{ echo "Location,Frequency"; head -c $((50 * 1024 * 1024)) < <(yes x); } >"$work/big.csv"
status=0
/usr/bin/time -v "$cli" import --in "$work/doc.dat" --csv "$work/big.csv" --out "$work/out.dat" \
  >"$work/out.txt" 2>"$work/err.txt" || status=$?
echo "input:    $(stat -c %s "$work/big.csv") bytes"
echo "exit:     $status ($( [ -e "$work/out.dat" ] && echo "file written" || echo "no file written"))"
grep -v '^\s' "$work/err.txt" | head -3 | sed 's/^/message:  /'
grep -E 'Elapsed \(wall clock\)|Maximum resident set size' "$work/err.txt" | sed 's/^\s*/          /'
