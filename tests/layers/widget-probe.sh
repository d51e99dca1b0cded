#!/usr/bin/env bash
# Builds a one-line file that includes <QWidget> with each layer's include and link setup. The
# layers below app/ must not compile it (they cannot reach a widget header); app/ must, which
# shows that the probe itself is sound.
#   tests/layers/widget-probe.sh BUILD_DIR
set -uo pipefail
dir=$1
status=0
for layer in common store render gallery monitorwindow phone; do
  out=$(cmake --build "$dir" --target "widget_probe_$layer" 2>&1)
  if [ $? -eq 0 ]; then
    echo "FAIL: $layer/ compiles a file that includes <QWidget>"
    status=1
  elif ! grep -q "QWidget: No such file" <<<"$out"; then
    echo "FAIL: the $layer/ probe failed for another reason than the missing widget header:"
    echo "$out" | tail -20
    status=1
  else
    echo "ok: $layer/ cannot include <QWidget>"
  fi
done
if out=$(cmake --build "$dir" --target widget_probe_app 2>&1); then
  echo "ok: app/ includes <QWidget>"
else
  echo "FAIL: the probe does not compile even with app/'s setup:"
  echo "$out" | tail -20
  status=1
fi
exit $status
