#!/usr/bin/env bash
# Builds and writes pictures of the safety net, in English and Chinese, to
# build/screenshots/: the progress window with Cancel while a write is read back, the
# message of a failed check, and the compare window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build"
out="$root/build/screenshots"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" TARVEN_SCREENSHOT_DIR="$out" \
  "$root/build/tst_safetycommands" pictures
ls "$out"/progress_verify_* "$out"/verify_failure_* "$out"/compare_*
