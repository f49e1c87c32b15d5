#!/usr/bin/env bash
# Builds the Debian package <dir>/package/tarven_<version>_<arch>.deb (default dir
# build-package/) with the distribution's hardening flags (dpkg-buildflags), then checks
# it with lintian and the installed programs with hardening-check, and prints both.
# Install the package with: sudo apt install ./tarven_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-package}
"$root/scripts/setup.sh" --package

# The flags Debian builds its packages with (hardening=+all): fortified libc calls,
# stack protector, full RELRO and immediate binding; stack-clash and control-flow
# protection are added where this release's dpkg-buildflags leaves them out. They are
# given to CMake on every configure, so a build folder made without them cannot keep
# an unhardened build.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cxxflags="$CXXFLAGS $CPPFLAGS"
for extra in -fstack-clash-protection -fcf-protection; do
  case " $cxxflags " in *" $extra "*) ;; *) cxxflags="$cxxflags $extra" ;; esac
done
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" \
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
