#!/usr/bin/env bash
# The platform core uses no Qt: no file of platform/ (its subfolders are the Qt backends)
# includes a Qt header, and a one-line file including <QString> does not compile with the
# core's include and link setup.
#   tests/layers/qt-probe.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
dir=$1
source=$2
status=0
if found=$(grep -l '^#include <Q' "$source"/platform/*.cpp "$source"/platform/*.h); then
  echo "FAIL: the platform core includes Qt headers:"
  echo "$found"
  status=1
fi
out=$(cmake --build "$dir" --target qt_probe_platform 2>&1)
if [ $? -eq 0 ]; then
  echo "FAIL: platform/ compiles a file that includes <QString>"
  status=1
elif ! grep -q "QString: No such file" <<<"$out"; then
  echo "FAIL: the platform/ probe failed for another reason than the missing Qt header:"
  echo "$out" | tail -20
  status=1
else
  echo "ok: platform/ cannot include <QString>"
fi
exit $status
