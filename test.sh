#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then the same tests
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer (no report
# allowed), then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
BUILD=${BUILD_DIR:-build}
WERROR=OFF
[ -n "${CI:-}" ] && WERROR=ON
JOBS=$(nproc)

echo "== tests"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_WERROR=$WERROR
cmake --build "$BUILD" -j"$JOBS"
(cd "$BUILD" && ctest --output-on-failure -j"$JOBS")

echo "== tests under the sanitizers"
# Lean: -O1, line tables only, no benchmarks, no fuzz targets.
SAN="$BUILD-sanitize"
cmake -S . -B "$SAN" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" \
  -DTW_SANITIZE=ON -DTW_BUILD_BENCH=OFF -DTW_WERROR=$WERROR
cmake --build "$SAN" -j"$JOBS"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
(cd "$SAN" && ctest --output-on-failure -j"$JOBS")
# A report in a helper process started by a test counts as well.
if grep -E -l "runtime error:|ERROR: (Address|Leak)Sanitizer" "$SAN/Testing/Temporary/LastTest.log"; then
  echo "sanitizer report in the test run" >&2
  exit 1
fi

echo "== fuzz targets, a short run each"
FUZZ_BUILD_DIR="$BUILD-fuzz" ./tools/fuzz.sh "${FUZZ_SECONDS:-4}"
