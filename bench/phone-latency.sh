#!/usr/bin/env bash
# The phone remote over the loopback: a press of the page's Size + / Size - (a real mouse
# event in headless chromium) to the presented frame, and the presented frame to the page's
# answer key, PRESSES times; and the page's size. The program runs on the offscreen platform
# with --frames: a frame's time is when its picture file was written, right after it was
# presented. Figures are printed, not judged.
#   bash bench/phone-latency.sh [PRESSES] [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
presses=${1:-60}
program=${2:-}
bash scripts/setup.sh
if [ -z "$program" ]; then
  cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DLENVARI_TESTS=OFF -DLENVARI_BENCH=ON >/dev/null
  cmake --build build/bench -j"$(nproc)" --target LenvariMain >/dev/null
  program=build/bench/LenvariMain
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
screens=$PWD/tests/screens/one-monitor.json
export QT_QPA_PLATFORM="offscreen:configfile=$screens"
# Calibrate the fresh folder, as an examiner would on a first start, and switch the phone on.
"$program" --data-dir "$work/data" --answers "OK;OK;OK" --keys "+++++{Enter}" >/dev/null
printf 'PhoneRemote&:\r\n 1 \r\nPhonePort&:\r\n 0 \r\n' > "$work/data/lvphoneremote.cfg"
/usr/bin/python3 tests/support/phone_browser.py --program "$program" --data "$work/data" \
  --frames "$work/frames" --screens "$screens" --out "$work/out" --bench "$presses"
