#!/usr/bin/env bash
# Builds and writes pictures of the radio history, in English and Chinese, to
# build/screenshots/: the confirmation of what a write will change, the history window
# with a write's receipt, and with a read.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build"
out="$root/build/screenshots"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" TARVEN_SCREENSHOT_DIR="$out" \
  "$root/build/tst_historycommands" pictures
ls "$out"/write_changes_* "$out"/history_receipt_* "$out"/history_read_*
