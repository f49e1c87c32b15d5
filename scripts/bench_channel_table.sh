#!/usr/bin/env bash
# Channel table benchmark: opening the table on all 409 rows of a HAM document with 400
# channels, and a bulk edit of 400 channels. Targets: 100 ms each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" >/dev/null
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" "$root/build/bench_gui_channel_table"
