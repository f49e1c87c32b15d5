#!/usr/bin/env bash
# Draws the pictures of the user guide (docs/user-guide.md) from the real windows into
# docs/images/, so the guide shows the program as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" >/dev/null
mkdir -p "$root/docs/images"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" \
  TARVEN_SCREENSHOT_DIR="$root/docs/images" "$root/build/tst_GuideScreenshots"
ls "$root/docs/images"
