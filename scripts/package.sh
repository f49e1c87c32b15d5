#!/usr/bin/env bash
# Builds the Debian package build/package/tarven_<version>_<arch>.deb (or into the
# build directory given): the installed layout of `cmake --install`, with the library
# dependencies found by dpkg-shlibdeps. Install it with: sudo apt install ./tarven_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$dir"
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$dir"/package/tarven_*.deb | head -1)
echo "$deb"
dpkg-deb --field "$deb" Package Version Installed-Size Depends Recommends
