#!/usr/bin/env bash
# Sets up, builds and starts the programmer (arguments go to the program, e.g. --demo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
if [ -x "$root/build/dist/V100/tarven" ]; then
  exec "$root/build/dist/V100/tarven" "$@"
fi
# Until the desktop program is built, show a new CB document with the command-line tool.
"$root/build/dist/V100/tarven-cli" new --band cb --out "$root/build/new.dat"
exec "$root/build/dist/V100/tarven-cli" dump "$root/build/new.dat"
