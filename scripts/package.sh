#!/usr/bin/env bash
# Builds the Debian package <dir>/package/tarven_<version>_<arch>.deb (default dir
# build-package/) with the distribution's hardening flags (dpkg-buildflags), then checks
# it with lintian and the installed programs with hardening-check, and prints both.
# Install the package with: sudo apt install ./tarven_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-package}
"$root/scripts/setup.sh" --package

# The flags Debian builds its packages with: fortified libc calls, stack protector,
# full RELRO, immediate binding, stack-clash and control-flow protection (hardening=+all).
# CMake reads CFLAGS/CXXFLAGS/LDFLAGS at its first
# configure only, hence a build folder of its own.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  "${launcher[@]}" >/dev/null
cmake --build "$dir" --target tarven tarven-cli tarven_dist tarven_icons tarven_compressed_docs
rm -f "$dir"/package/tarven_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$dir"/package/tarven_*.deb | head -1)
echo "$deb"
dpkg-deb --field "$deb" Package Version Installed-Size Depends Suggests

echo "lintian:"
lintian --info "$deb" || true
echo "lintian: $(lintian "$deb" | grep -c '^E:' || true) errors, $(lintian "$deb" | grep -c '^W:' || true) warnings"

echo "hardening-check:"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
hardening-check "$unpacked"/usr/lib/tarven/V100/tarven "$unpacked"/usr/lib/tarven/V100/tarven-cli
