#!/usr/bin/env bash
# Processor time spent while a tone tip waits: a 2 s pause and a 2 s tone tip played as
# silent waits. Both should stay in the low milliseconds (the wait sleeps in the event loop).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" >/dev/null
TARVEN_CPU_CHECK=1 QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR="$root/build/dist/V100" \
    "$root/build/tst_ModBeep" reportProcessorTimeOfAWait | grep -o 'WaitSeconds.*'
