#!/usr/bin/env bash
# Sets everything up and runs every test: installs what is missing, builds with
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs the whole suite under ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/test "-DCMAKE_BUILD_TYPE=Debug -DLENVARI_SANITIZE=ON -DLENVARI_TESTS=ON" -j"$(nproc)"
cd build/test
ctest --output-on-failure -j2 --timeout 600
