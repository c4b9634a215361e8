#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
BUILD=${BUILD_DIR:-build}
WERROR=OFF
[ -n "${CI:-}" ] && WERROR=ON
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_WERROR=$WERROR
cmake --build "$BUILD" -j"$(nproc)"
cd "$BUILD"
ctest --output-on-failure -j"$(nproc)"
