#!/usr/bin/env bash
# The program starts without the media libraries: the video decoder is a module of its own,
# loaded at the first video, because loading those libraries at every start delays the first
# chart. The module itself must link them, or videos would not play.
#   start-libraries.sh PROGRAM MODULE
set -euo pipefail
program=$1 module=$2
# (The listings are read whole first: grep -q leaving early would fail the pipe.)
program_libraries=$(ldd "$program")
module_libraries=$(ldd "$module")
module_symbols=$(nm -D --defined-only "$module")
if grep "libQt6Multimedia" <<<"$program_libraries"; then
  echo "the program links the media libraries at start"
  exit 1
fi
grep -q "libQt6Multimedia" <<<"$module_libraries" || { echo "$module does not link the media libraries"; exit 1; }
grep -q " LenvariNewVideoDecoder$" <<<"$module_symbols" ||
  { echo "$module does not export LenvariNewVideoDecoder"; exit 1; }
echo "ok"
