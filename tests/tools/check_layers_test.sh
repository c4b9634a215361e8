#!/usr/bin/env bash
# The layering check refuses an include against the folder order in every
# folder, and accepts every include the order allows.
# Usage: check_layers_test.sh <source root>
set -uo pipefail
check="$1/tools/check_layers.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

# A tree with one file per folder, each including the given headers.
tree() { # name, then "folder:header" ...
  local root="$tmp/$1"
  shift
  for pair in "$@"; do
    mkdir -p "$root/${pair%%:*}"
    printf '#include "%s"\n' "${pair#*:}" >> "$root/${pair%%:*}/Probe.cpp"
  done
  echo "$root"
}

allowed=$(tree allowed core:platform/Paths.h dialogs:core/Meldung.h internet:dialogs/F_Warten.h \
  reference:internet/Wertdatei.h interactive:reference/F_Lex.h mastering:reference/Lexikon.h \
  recipes:interactive/F_IAMain.h recipes:mastering/F_TWSM.h app:recipes/F_Main.h)
if ! out=$("$check" "$allowed"); then
  echo "refused includes the order allows:"
  echo "$out"
  failed=1
fi

n=0
for pair in platform:core/Globals.h core:dialogs/F_Meldung.h dialogs:internet/News.h internet:reference/Lexikon.h \
  reference:interactive/IAModell.h reference:recipes/F_Rez.h interactive:mastering/Mastering.h \
  mastering:interactive/IAModell.h mastering:recipes/F_Main.h recipes:app/Start.h; do
  n=$((n + 1))
  root=$(tree "forbidden$n" "$pair")
  if out=$("$check" "$root"); then
    echo "accepted ${pair%%:*}/ including ${pair#*:}"
    failed=1
  elif ! grep -q "^${pair%%:*}/ may include" <<<"$out"; then
    echo "refused ${pair%%:*}/ including ${pair#*:}, but named another folder:"
    echo "$out"
    failed=1
  fi
done
exit $failed
