#!/usr/bin/env bash
# Prints which layer includes which (count of #include lines) and fails on an include that
# points up the layers or across to a layer a folder may not use.
#   tools/include-graph.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# What each layer may include besides itself.
declare -A may=(
  [common]=""
  [platform]="common"
  [platform/qtgui]="common platform"
  [platform/qt]="common platform platform/qtgui"
  [store]="common platform"
  [render]="common platform platform/qtgui store"
  [gallery]="common platform platform/qtgui store render"
  [monitorwindow]="common platform platform/qtgui store"
  [dialogs]="common"
  [phone]="common"
  [app]="common platform platform/qtgui platform/qt store render gallery monitorwindow dialogs phone"
  [program]="common platform platform/qtgui platform/qt store render gallery monitorwindow dialogs phone app"
)
# A file's layer: its folder, app/'s subfolders counted as app.
layer_of() {
  case $1 in
    platform/qt/*) echo platform/qt ;;
    platform/qtgui/*) echo platform/qtgui ;;
    app/*) echo app ;;
    *) echo "${1%%/*}" ;;
  esac
}

status=0
declare -A count=()
for from_layer in "${!may[@]}"; do
  [ -d "$from_layer" ] || continue
  depth=(-maxdepth 1)
  [ "$from_layer" = app ] && depth=()
  while IFS= read -r file; do
    while IFS= read -r target; do
      to_layer=$(layer_of "$target")
      [ -d "$to_layer" ] || continue
      count["$from_layer -> $to_layer"]=$(( ${count["$from_layer -> $to_layer"]:-0} + 1 ))
      if [ "$to_layer" != "$from_layer" ] && [[ " ${may[$from_layer]} " != *" $to_layer "* ]]; then
        echo "upward include: $file includes $target" >&2
        status=1
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done < <(find "$from_layer" "${depth[@]}" -name '*.cpp' -o "${depth[@]}" -name '*.h' | sort)
done
for edge in "${!count[@]}"; do echo "$edge: ${count[$edge]}"; done | sort
exit $status
