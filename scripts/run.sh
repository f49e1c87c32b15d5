#!/usr/bin/env bash
# Sets up, builds and starts the programmer (arguments go to the program, e.g. --demo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: start the programmer from a desktop session," >&2
  echo "or under a virtual one: xvfb-run -a $0 $*" >&2
  exit 1
fi
exec "$root/build/dist/V100/tarven" "$@"
