#!/usr/bin/env bash
# Renders the README's screenshots into docs/screenshots/ (offscreen, on a
# copy of the default installation).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/deps.sh
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --target screenshots
