#!/usr/bin/env bash
# Builds and writes pictures of the fleet window, in English and Chinese, to
# build/screenshots/ (in progress, after a failed check, the summary) and the English ones
# into docs/images/ for the user guide.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" >/dev/null
out="$root/build/screenshots"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" TARVEN_SCREENSHOT_DIR="$out" \
  "$root/build/tst_frmfleet" session
for picture in progress failure summary; do
  cp "$out/fleet_${picture}_en.png" "$root/docs/images/guide-fleet-${picture}.png"
done
ls "$out"/fleet_*
