#!/usr/bin/env bash
# Seeds a user's base folder from the default installation.
#   tools/seed_base.sh <installation folder> <base folder>
# A new base folder (missing or empty) gets the whole installation. Later
# starts only add program pictures that are missing (new ones of a later
# build); recipes, interactive recipes, the dictionary and the data files
# belong to the user then, so a recipe the user moved or deleted, or a side
# file a save replaced, never comes back.
set -euo pipefail
if [ $# -ne 2 ] || [ ! -d "$1" ]; then
    echo "usage: $0 <installation folder> <base folder>" >&2
    exit 2
fi
INSTALLATION=$1
BASE=$2

if [ ! -d "$BASE" ] || [ -z "$(ls -A "$BASE")" ]; then
    # Copied beside the target and renamed in one step, so a seed that is
    # cut short leaves no half-filled folder that would count as seeded.
    PARENT=$(dirname "$BASE")
    mkdir -p "$PARENT"
    TEMP=$(mktemp -d "$PARENT/.seed.XXXXXX")
    trap 'rm -rf "$TEMP"' EXIT
    cp -r "$INSTALLATION/." "$TEMP/"
    [ -d "$BASE" ] && rmdir "$BASE"
    mv "$TEMP" "$BASE"
    trap - EXIT
    exit 0
fi

# -n: only what is missing, never over a file of the user's.
for PICTURES in Grafiken GFXZUTAT; do
    if [ -d "$INSTALLATION/$PICTURES" ]; then
        cp -rn "$INSTALLATION/$PICTURES" "$BASE/"
    fi
done
