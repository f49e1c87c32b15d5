#!/usr/bin/env bash
# Builds and writes a picture of every radio-wide editor, in English and Chinese, to
# build/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build"
out="$root/build/screenshots"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" TARVEN_SCREENSHOT_DIR="$out" \
  "$root/build/tst_EditorScreenshots"
ls "$out"
