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
source "$(dirname "$0")/expect-missing-header.sh"
expect_missing_header "$dir" qt_probe_platform QString platform/
exit $status
