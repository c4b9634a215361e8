#!/usr/bin/env bash
# Installs what is missing, builds, seeds the user's base folder from the
# default installation (in full only when the folder is new; see
# tools/seed_base.sh) and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" -j"$(nproc)" --target tablecraft installation
BASE="${XDG_DATA_HOME:-$HOME/.local/share}/TablecraftWorks"
./tools/seed_base.sh "$BUILD/installation" "$BASE"
PROGRAM="$(cd "$BUILD" && pwd)/tablecraft"
cd "$BASE"
exec "$PROGRAM"
