#!/usr/bin/env bash
# Configures and builds into build/ (or the directory given), laying out build/dist.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build}; shift || true
# The compiler cache when there is one (and CCACHE_DISABLE is not set); without it the
# build precompiles the common headers instead (cmake/TarvenBuildSpeed.cmake).
launcher=()
if command -v ccache >/dev/null && [ -z "${CCACHE_DISABLE:-}" ]; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
