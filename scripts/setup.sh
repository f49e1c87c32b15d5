#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; only what is missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-multimedia-dev
          libgl-dev fonts-noto-cjk xvfb xauth
          lld                                          # the faster linker, used when present
          desktop-file-utils appstream dpkg-dev file     # install checks and the Debian package
          chirp python3-future)                          # CHIRP, the CSV interop test's client
# The fuzz targets (scripts/fuzz.sh) are built with clang and its libFuzzer runtime.
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-dev)
# The package check (scripts/package.sh): Debian's checker and hardening-check.
[ "${1:-}" = "--package" ] && packages+=(lintian devscripts)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q "${missing[@]}"
fi
