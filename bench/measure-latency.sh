#!/usr/bin/env bash
# Key press to presented frame, and start to first chart frame, on a 3840 x 2160 (or SIZE)
# patient monitor under Xvfb with the real X11 platform, release build, for "r" and for the
# letters "C" (which waits for a remote word that may follow it) and "D". Figures are printed,
# not judged.
#   bash bench/measure-latency.sh [PRESSES] [STARTS] [SIZE]
set -euo pipefail
cd "$(dirname "$0")/.."
presses=${1:-150}
starts=${2:-10}
size=${3:-3840x2160}
bash scripts/setup.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DLENVARI_TESTS=OFF -DLENVARI_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)" --target LenvariMain key_latency >/dev/null
display=:$(( 90 + RANDOM % 9 ))
Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$data"' EXIT
data=$(mktemp -d)
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# Calibrate the fresh folder on this screen, as an examiner would on a first start.
build/bench/LenvariMain --data-dir "$data" --answers "OK;OK;OK" --keys "+++++{Enter}" >/dev/null
build/bench/bench/key_latency startup "$starts" build/bench/LenvariMain --data-dir "$data"
build/bench/bench/key_latency keys "$presses" build/bench/LenvariMain --data-dir "$data"
build/bench/bench/key_latency letters "$presses" build/bench/LenvariMain --data-dir "$data"
