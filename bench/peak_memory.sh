#!/bin/sh
# Peak resident memory of the whole program, from its start to the main
# window, on a generated book of N recipes (default 10000):
#   bench/peak_memory.sh BUILD_DIR [N]
# The default installation of BUILD_DIR is copied into a temporary base
# folder, bench_datacore writes the recipes, their index and the ingredient
# database into it, and the program runs there offscreen. Once it has used no
# CPU for two seconds (the start-up is done and the main window shows), the
# kernel's high-water mark of its resident size (VmHWM) is read and the
# program is ended.
set -eu
build=$(cd "${1:?usage: peak_memory.sh BUILD_DIR [N]}" && pwd)
n=${2:-10000}
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
cp -r "$build/installation/." "$base/"
find "$base/Recipes" -maxdepth 1 -type f -delete
rm -f "$base/PRGDATA/ENG/RMListe.hbr"
"$build/bench/bench_datacore" --write-book "$base" "$n"
cd "$base"
QT_QPA_PLATFORM=offscreen "$build/tablecraft" >/dev/null 2>&1 &
pid=$!
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
last=-1
still=0
while [ "$still" -lt 4 ]; do
    sleep 0.5
    now=$(cpu)
    if [ "$now" = "$last" ]; then still=$((still + 1)); else still=0; fi
    last=$now
done
peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "peak resident memory with $n recipes: $((peak / 1024)) MB ($peak kB)"
