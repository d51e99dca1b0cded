#!/usr/bin/env bash
# Builds the Debian package from the optimised build (the one scripts/run.sh uses) and prints
# its path. Install it with: sudo apt-get install ./build/release/lenvari-acuity_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release "-DCMAKE_BUILD_TYPE=Release -DLENVARI_TESTS=OFF" -j"$(nproc)"
rm -f build/release/lenvari-acuity_*.deb
(cd build/release && cpack -G DEB >cpack.log 2>&1) || { cat build/release/cpack.log; exit 1; }
ls build/release/lenvari-acuity_*.deb
