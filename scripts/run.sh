#!/usr/bin/env bash
# Sets everything up and starts the chart: installs what is missing, builds an optimised
# program and runs it. Arguments are handed to the program (see README).
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a screen there is nothing to show the chart on: say so before minutes of building.
wants_platform=0
for argument in "$@"; do
  case $argument in -platform|--platform) wants_platform=1 ;; esac
done
if [ $wants_platform = 0 ] && [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; to run without a screen use the -platform offscreen examples of the README" >&2
  exit 2
fi
bash scripts/setup.sh
bash scripts/build.sh build/release "-DCMAKE_BUILD_TYPE=Release -DLENVARI_TESTS=OFF" -j"$(nproc)" --target LenvariMain
exec build/release/LenvariMain "$@"
