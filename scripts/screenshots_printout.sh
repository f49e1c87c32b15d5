#!/usr/bin/env bash
# Writes the printout of a CB and a HAM document in English and Chinese as PDF files
# into build/screenshots/ and, when pdftoppm (poppler-utils) is installed, renders their
# pages to PNG pictures beside them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" >/dev/null
mkdir -p "$root/build/screenshots"
QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" \
  TARVEN_SCREENSHOT_DIR="$root/build/screenshots" "$root/build/tst_DocumentPrintout" printoutHoldsChannelsAndSettings
if command -v pdftoppm >/dev/null; then
  for pdf in "$root"/build/screenshots/printout_*.pdf; do
    pdftoppm -r 80 -png "$pdf" "${pdf%.pdf}"
  done
else
  echo "pdftoppm not found (poppler-utils): PDFs only" >&2
fi
ls "$root/build/screenshots"/printout_*
