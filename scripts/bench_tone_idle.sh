#!/usr/bin/env bash
# Processor time spent while tone playback waits: a 2 s pause and a 2 s tone tip played as
# silent waits. Both should stay in the low milliseconds (the waits sleep in the event loop).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" >/dev/null
"$root/build/bench_tone_idle"
