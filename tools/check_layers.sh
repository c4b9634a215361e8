#!/usr/bin/env bash
# Checks the layering: platform/ <- core/ <- the window folders <- app/.
# platform/ and core/ include no header of a window folder or of app/, and
# platform/ nothing of core/; no window folder includes app/.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
check() { # folder, forbidden folders (regex)
  local hits
  hits=$(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"($2)/" "$1"/*.cpp "$1"/*.h 2>/dev/null || true)
  if [ -n "$hits" ]; then
    echo "$1/ includes a header of a higher layer:"
    echo "$hits"
    status=1
  fi
}
check platform "core|recipes|reference|interactive|internet|mastering|app"
check core "recipes|reference|interactive|internet|mastering|app"
for dir in recipes reference interactive internet mastering; do
  [ -d "$dir" ] && check "$dir" "app"
done
exit $status
