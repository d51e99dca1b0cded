#!/usr/bin/env bash
# Builds the libFuzzer harnesses of the data-folder readers and the key-script parser with clang
# (AddressSanitizer and UndefinedBehaviorSanitizer on) and runs each for SECONDS seconds
# (default 30), starting from the files a first start writes. A finding stops the script with
# the crashing input saved under build/fuzz/findings.
#   scripts/fuzz.sh [SECONDS] [READER...]   readers: settings monitordata presets lettersets keyscript
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
readers=("$@")
[ ${#readers[@]} -eq 0 ] && readers=(settings monitordata presets lettersets keyscript)

bash scripts/setup.sh
# libFuzzer's runtime comes with clang's compiler-rt package of the same version.
version=$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n1)
if ! dpkg-query -W -f='${Status}' "libclang-rt-${version}-dev" 2>/dev/null | grep -q "install ok installed"; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends \
    "libclang-rt-${version}-dev"
fi

cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build/fuzz -j"$(nproc)"
rm -rf build/fuzz/seeds && build/fuzz/fuzz_seeds build/fuzz/seeds
mkdir -p build/fuzz/findings
for reader in "${readers[@]}"; do
  mkdir -p "build/fuzz/corpus/$reader"
  echo "== $reader: ${seconds} s"
  build/fuzz/fuzz_"$reader" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -artifact_prefix="build/fuzz/findings/$reader-" -print_final_stats=1 \
    "build/fuzz/corpus/$reader" "build/fuzz/seeds/$reader" 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|==[0-9]+==ERROR|SUMMARY)|Done ' || true
  [ -z "$(ls -A build/fuzz/findings)" ] || { echo "finding in $reader: build/fuzz/findings"; exit 1; }
done
