#!/usr/bin/env bash
# Draws the channel grid, the channel edit dialog and the MEM frequency picker in every
# band, in English and Chinese, into build/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" >/dev/null
mkdir -p "$root/build/screenshots"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" \
  TARVEN_SCREENSHOT_DIR="$root/build/screenshots" "$root/build/tst_ChannelScreenshots"
ls "$root/build/screenshots"
