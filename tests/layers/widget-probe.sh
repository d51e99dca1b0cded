#!/usr/bin/env bash
# Builds a one-line file that includes <QWidget> with each layer's include and link setup. The
# layers below app/ must not compile it (they cannot reach a widget header); app/ must, which
# shows that the probe itself is sound.
#   tests/layers/widget-probe.sh BUILD_DIR
set -uo pipefail
dir=$1
status=0
source "$(dirname "$0")/expect-missing-header.sh"
for layer in common store render gallery monitorwindow phone; do
  expect_missing_header "$dir" "widget_probe_$layer" QWidget "$layer/"
done
if out=$(cmake --build "$dir" --target widget_probe_app 2>&1); then
  echo "ok: app/ includes <QWidget>"
else
  echo "FAIL: the probe does not compile even with app/'s setup:"
  echo "$out" | tail -20
  status=1
fi
exit $status
