#!/usr/bin/env bash
# Writes pictures of the program for a person to look at (the test suite measures the same
# drawings but keeps no pictures): the chart in its main modes, direct and mirrored; the
# configuration and dual-input dialogs at normal and large fonts; the glyph sheet; and, given an
# X display with a window manager, the exam room as the examiner sees it.
#
#   tools/screenshots.sh BUILD_DIR OUT_DIR [X_DISPLAY]
#
# BUILD_DIR holds LenvariMain, dialogshot and glyphsheet (scripts/build.sh builds them). An X
# display with two monitors: /work/shared/tools/xdummy start :NN 1920x1080 1280x1024 --wm.
set -euo pipefail
build=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
display=${3:-}
here=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS=detect_leaks=0

offscreen="offscreen:configfile=$here/tests/screens/one-monitor.json"

# The monitor data file: the patient's monitor $1, then "left top right bottom" per monitor,
# each calibrated at scale 400.
monitor_data() {
  local current=$1 n=0
  shift
  printf ' %d \r\n %d \r\n' "$current" "$#"
  for rect in "$@" "" "" "" "" "" "" "" "" "" ""; do
    [ $n -ge 10 ] && break
    n=$((n + 1))
    if [ -n "$rect" ]; then
      # shellcheck disable=SC2086
      printf ' %s \r\n' $rect 400 400 1
    else
      printf ' 0 \r\n%.0s' 1 2 3 4 5 6
      printf ' 1 \r\n'
    fi
  done
}

# A started data folder calibrated for the monitors given after the mirror word.
folder() {
  local dir=$1 mirror=$2
  shift 2
  rm -rf "$dir" && mkdir -p "$dir"
  monitor_data 1 "$@" >"$dir/lvmonitordata.cfg"
  QT_QPA_PLATFORM=$offscreen "$build/LenvariMain" --data-dir "$dir" --keys "" --answers "" \
    --frames "$dir.frames" >/dev/null
  if [ "$mirror" = mirrored ]; then
    sed -i '/^Mirror&:\r$/{n;s/.*/-1 \r/}' "$dir/1lvconfig.cfg"
  fi
}

# The chart after each key of the script: frame-NNNN.png in OUT_DIR/chart-NAME.
chart() {
  local name=$1 mirror=$2 keys=$3
  local dir="$out/.data-$name"
  folder "$dir" "$mirror" "0 0 1920 1080"
  rm -rf "$out/chart-$name"
  QT_QPA_PLATFORM=$offscreen "$build/LenvariMain" --data-dir "$dir" --keys "$keys" --answers "" \
    --frames "$out/chart-$name" >/dev/null
  rm -rf "$dir" "$dir.frames"
}

# Preset 1, the mask, red/green, the contrast ladder, the pointer, a custom size, the status
# line and the optotype modes.
keys='{Ctrl+M}m{Ctrl+M}g[[[]]]]]]]u{Right}{Right}x35{Enter}^^^je*wa'
chart direct direct "$keys"
chart mirrored mirrored "$keys"

for dpi in 96 144; do
  for dialog in configuration dual; do
    QT_QPA_PLATFORM=offscreen QT_FONT_DPI=$dpi "$build/dialogshot" "$out/$dialog-$dpi.png" "$dialog" || true
  done
done
QT_QPA_PLATFORM=offscreen "$build/glyphsheet" "$out/glyphs.png"

if [ -n "$display" ]; then
  # The exam room: the chart on the patient's monitor, the examiner's windows on the other, and
  # the configuration dialog opened over them.
  dir="$out/.data-room"
  folder "$dir" direct "0 0 1920 1080" "1920 0 3200 1024"
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/LenvariMain" --data-dir "$dir" &
  program=$!
  sleep 6
  DISPLAY=$display import -window root "$out/exam-room.png"
  DISPLAY=$display xdotool key ctrl+c
  sleep 2
  DISPLAY=$display import -window root "$out/exam-room-configuration.png"
  kill "$program"
  wait "$program" 2>/dev/null || true
  rm -rf "$dir" "$dir.frames"
fi
echo "pictures in $out"
