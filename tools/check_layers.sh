#!/usr/bin/env bash
# Checks the order of the product folders (docs/ARCHITECTURE.md): each folder
# includes headers only of itself and of the folders listed for it below.
#   platform <- core <- dialogs <- internet <- reference <- interactive, mastering <- recipes <- app
# interactive/ and mastering/ stand side by side: neither includes the other.
# Usage: check_layers.sh [source root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A below=(
  [platform]=""
  [core]="platform"
  [dialogs]="platform core"
  [internet]="platform core dialogs"
  [reference]="platform core dialogs internet"
  [interactive]="platform core dialogs internet reference"
  [mastering]="platform core dialogs internet reference"
  [recipes]="platform core dialogs internet reference interactive mastering"
  [app]="platform core dialogs internet reference interactive mastering recipes"
)

status=0
# A product folder outside the table would go unchecked.
if [ -f CMakeLists.txt ]; then
  for dir in $(sed -n 's/^set(TW_PRODUCT_DIRS \(.*\))$/\1/p' CMakeLists.txt); do
    if [ -z "${below[$dir]+set}" ]; then
      echo "$dir/ has no place in the order"
      status=1
    fi
  done
fi
for dir in "${!below[@]}"; do
  [ -d "$dir" ] || continue
  forbidden=()
  for other in "${!below[@]}"; do
    [ "$other" = "$dir" ] && continue
    case " ${below[$dir]} " in *" $other "*) ;; *) forbidden+=("$other") ;; esac
  done
  pattern=$(IFS='|'; echo "${forbidden[*]}")
  hits=$(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($pattern)/" "$dir"/*.cpp "$dir"/*.h 2>/dev/null || true)
  if [ -n "$hits" ]; then
    echo "$dir/ may include only ${below[$dir]:-its own headers}; it includes:"
    echo "$hits"
    status=1
  fi
done
exit $status
