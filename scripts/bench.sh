#!/usr/bin/env bash
# Builds the benchmarks optimised, without sanitizers, and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DLENVARI_TESTS=OFF -DLENVARI_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)"
for b in build/bench/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  QT_QPA_PLATFORM=offscreen "$b" "$@"
done
