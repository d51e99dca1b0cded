#!/usr/bin/env bash
# Sets everything up and starts the chart: installs what is missing, builds an optimised
# program and runs it. Arguments are handed to the program (see README).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DLENVARI_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target LenvariMain
exec build/release/LenvariMain "$@"
