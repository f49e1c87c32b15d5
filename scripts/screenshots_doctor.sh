#!/usr/bin/env bash
# Screenshots of the connection doctor into build/screenshots/, offscreen, in English and
# Chinese: a healthy port (the simulated radio answers), a cable the user may not open,
# and the port window marking a device only root can open.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
out=$build/screenshots
"$root/scripts/build.sh" "$build" >/dev/null
mkdir -p "$out"
export TARVEN_SCREENSHOT_DIR=$out QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR=$build/dist/V100
"$build/tst_doctorwindow" windowsInBothLanguages >/dev/null
"$build/tst_portdialog" picturesInBothLanguages >/dev/null
ls "$out"/doctor-* "$out"/port-dialog-*
