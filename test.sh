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
# CI builds without debug information, which it never reads.
TYPE=RelWithDebInfo
[ -n "${CI:-}" ] && TYPE=Release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=$TYPE -DTW_WERROR=$WERROR
cmake --build "$BUILD" -j"$JOBS"
(cd "$BUILD" && ctest --output-on-failure -j"$JOBS")

echo "== tests under the sanitizers, and the fuzz targets"
# One clang build serves both: AddressSanitizer and UndefinedBehaviorSanitizer
# with the fuzzing instrumentation, -O1, line tables only, no benchmarks.
SAN="$BUILD-sanitize"
export FUZZ_BUILD_DIR="$SAN" FUZZ_TESTS=ON
FUZZ_BUILD_ONLY=1 ./tools/fuzz.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp"
(cd "$SAN" && ctest --output-on-failure -j"$JOBS")
# A report in a helper process started by a test counts as well.
if grep -E -l "runtime error:|ERROR: (Address|Leak)Sanitizer" "$SAN/Testing/Temporary/LastTest.log"; then
  echo "sanitizer report in the test run" >&2
  exit 1
fi
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
./tools/fuzz.sh "${FUZZ_SECONDS:-4}"
