#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in their own build folder and runs each one for
# a bounded time, seeded with the shipped files.
#
#   tools/fuzz.sh [seconds per target] [target ...]
#
# FUZZ_BUILD_DIR (default build-fuzz) is the build folder; the growing corpus
# of each target stays in <build>/corpus/<target>, findings in
# <build>/findings/<target>. FUZZ_JOBS runs that many workers per target.
# FUZZ_TESTS=ON builds the tests in the same folder (the sanitizer test run
# of ./test.sh uses it); FUZZ_BUILD_ONLY=1 builds and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${1:-10}
shift || true
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
JOBS=${FUZZ_JOBS:-1}

LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DTW_BUILD_FUZZ=ON -DTW_BUILD_TESTS="${FUZZ_TESTS:-OFF}" \
  -DTW_BUILD_BENCH=OFF -DTW_WERROR=OFF "${LAUNCHER[@]}" >/dev/null
mkdir -p "$BUILD"
if ! cmake --build "$BUILD" -j"${BUILD_JOBS:-$(nproc)}" >"$BUILD/build.log" 2>&1; then
  grep -E -A5 'error|FAILED' "$BUILD/build.log" | head -40
  exit 1
fi
[ -n "${FUZZ_BUILD_ONLY:-}" ] && exit 0

INST="$BUILD/installation"
E=PRGDATA/ENG
# The shipped files that seed each target (paths below the installation).
# "N:file" puts the selector byte N before the file, for the targets whose
# first byte picks the kind of file. Paths beginning with fuzz/ are the
# repository's own seeds, for files that the installation does not ship.
seeds() {
  case "$1" in
    fuzz_lexikon) echo $E/LEXIKON/Lexikon.hbd ;;
    fuzz_wertdatei) echo $E/VERSION.HRB $E/INTERNET.HRB ;;
    fuzz_news) echo $E/NEWS.HRB ;;
    fuzz_rtf) (cd "$INST" && ls Recipes/*.RRT Recipes/*.BRT | head -12 | sed 's/ /?/g') ;;
    fuzz_pictures) (cd "$INST" && ls Recipes/*.png | head -4) ;;
    fuzz_platform) echo $E/Variablen200.hbr $E/RMListe.hbr ;;
    fuzz_zutatenzeile) (cd "$INST" && ls Recipes/*.?RP | head -6 | sed 's/ /?/g') ;;
    fuzz_zutaten) echo $E/Lebensmittel.hbr $E/Lebensmittel_ALL.hbr ;;
    fuzz_einheiten) echo $E/Variablen200.hbr ;;
    fuzz_listen) echo 0:$E/Kommentare.hbr 1:$E/IAVTotal.hbr 2:$E/IAVariablenliste.hbr ;;
    fuzz_rezept) echo "0:Recipes/Chilli?con?Carne.KRP 1:Recipes/Banana?Bread.BRP 7:Recipes/Apple?Crumble.DRP 8:Recipes/Greek?Salad.SRP" ;;
    fuzz_optionen) echo $E/nenoitpo.kop ;;
    fuzz_index) echo $E/RMListe.hbr ;;
    fuzz_lieferung) echo 0:$E/Lebensmittel_ALL.hbr 1:$E/Lebensmittel.hbr 2:$E/IAVariablenliste.hbr 5:$E/Kommentare.hbr ;;
    fuzz_iarezept) echo Recipes/IAKochen/Tutorial.IAK ;;
    fuzz_verbupload) echo fuzz/seeds/Verben.VIA ;;
    fuzz_rezeptindex) echo fuzz/seeds/RECIPESS.HRB ;;
    fuzz_grafikliste) echo fuzz/seeds/GRAPHICSS.HRB ;;
    fuzz_zutatentext) (cd "$INST" && ls Recipes/*.?RP | head -4 | sed 's/ /?/g'); echo fuzz/seeds/Eingefuegt_EN.txt fuzz/seeds/Eingefuegt_DE.txt ;;
  esac
}

# Copies the seeds of target $1 into folder $2.
put_seeds() {
  local n=0 s prefix file
  for s in $(seeds "$1"); do
    n=$((n + 1))
    prefix=""
    file=$s
    if [[ $s == [0-9]:* ]]; then prefix=${s%%:*}; file=${s#*:}; fi
    local from=$INST
    [[ $file == fuzz/* ]] && from=.
    for f in "$from"/$file; do
      [ -f "$f" ] || continue
      if [ -n "$prefix" ]; then
        { printf "\\x0$prefix"; cat "$f"; } >"$2/seed$n"
      else
        cp "$f" "$2/seed$n"
      fi
    done
  done
}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in "$BUILD"/fuzz/fuzz_*; do
    [ -x "$t" ] && [ -f "$t" ] && targets+=("$(basename "$t")")
  done
fi

failed=0
printf '%-20s %12s %8s %s\n' target executions crashes corpus
for t in "${targets[@]}"; do
  corpus="$BUILD/corpus/$t"
  seeddir="$BUILD/seeds/$t"
  findings="$BUILD/findings/$t"
  mkdir -p "$corpus" "$seeddir" "$findings"
  put_seeds "$t" "$seeddir"
  log="$BUILD/findings/$t.log"
  set +e
  if [ "$JOBS" -gt 1 ]; then
    (cd "$findings" && "../../fuzz/$t" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 -timeout=20 \
       -jobs="$JOBS" -workers="$JOBS" -print_final_stats=1 "../../corpus/$t" "../../seeds/$t" >"../$t.log" 2>&1)
    cat "$findings"/fuzz-*.log >>"$log" 2>/dev/null
  else
    "$BUILD/fuzz/$t" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 -timeout=20 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeddir" >"$log" 2>&1
  fi
  rc=$?
  set -e
  runs=$(grep -h 'stat::number_of_executed_units' "$log" | awk '{s+=$2} END {print s+0}')
  crashes=$(ls "$findings" | grep -c -E '^(crash|leak|timeout|oom)-' || true)
  printf '%-20s %12s %8s %s\n' "$t" "$runs" "$crashes" "$(ls "$corpus" | wc -l) inputs"
  if [ $rc -ne 0 ] || [ "$crashes" -ne 0 ]; then
    failed=1
    echo "---- $t: see $log and $findings" && grep -E 'ERROR|abort|differs|SUMMARY' "$log" | head -5
  fi
done
exit $failed
