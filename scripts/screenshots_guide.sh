#!/usr/bin/env bash
# Draws the pictures of the user guide (docs/user-guide.md) from the real windows into
# docs/images/, so the guide shows the program as it is.
#   scripts/screenshots_guide.sh            the guide's pictures (English)
#   scripts/screenshots_guide.sh zh DIR     the same pictures in Chinese, into DIR, to look at
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
language=1
out="$root/docs/images"
if [ "${1:-}" = zh ]; then
  language=2
  out=${2:?"usage: $0 [zh DIR]"}
fi
"$root/scripts/build.sh" "$root/build" >/dev/null
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" TARVEN_GUIDE_LANGUAGE=$language \
  TARVEN_SCREENSHOT_DIR="$out" "$root/build/tst_GuideScreenshots"
ls "$out"
