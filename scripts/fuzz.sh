#!/usr/bin/env bash
# Builds the libFuzzer harnesses of the data-folder readers, a whole start on a folder of
# their files (startup), the key-script parser, the picture (BMP) reader and the phone
# remote's message reader with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) and
# runs each for SECONDS seconds (default 30), starting from the files a first start writes and
# pictures the program writes. Every harness also checks that what was read, written and read
# again writes the same bytes. A finding stops the script with the input saved under
# build/fuzz/findings (reproduce: build/fuzz/fuzz_READER build/fuzz/findings/FILE).
#   scripts/fuzz.sh [SECONDS] [READER...]
#   readers: settings monitordata presets lettersets keyscript bmp controlwindow display
#            screenidentity phonemessage startup
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
readers=("$@")
[ ${#readers[@]} -eq 0 ] && readers=(settings monitordata presets lettersets keyscript bmp controlwindow
                                    display screenidentity phonemessage startup)

# clang, and libFuzzer's runtime from clang's compiler-rt package.
bash scripts/setup.sh
runtime=$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-x86_64.a
[ -e "$runtime" ] || [ "$(uname -m)" != x86_64 ] || { echo "libFuzzer is missing: $runtime"; exit 1; }

started=$(date +%s)
cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build/fuzz -j"$(nproc)" > build/fuzz-build.log 2>&1 || { cat build/fuzz-build.log; exit 1; }
echo "fuzz harnesses built in $(( $(date +%s) - started )) s"
rm -rf build/fuzz/seeds && build/fuzz/fuzz_seeds build/fuzz/seeds
rm -rf build/fuzz/findings && mkdir -p build/fuzz/findings build/fuzz/logs
for reader in "${readers[@]}"; do
  mkdir -p "build/fuzz/corpus/$reader"
  log="build/fuzz/logs/$reader.log"
  # The corpus folder keeps what earlier runs found interesting; the seeds start it.
  status=0
  build/fuzz/fuzz_"$reader" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -artifact_prefix="build/fuzz/findings/$reader-" -print_final_stats=1 \
    "build/fuzz/corpus/$reader" "build/fuzz/seeds/$reader" > "$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
  printf '%-12s %10s executions in %4s s (%s/s)\n' "$reader" "${runs:-?}" "${took:-?}" "${rate:-?}"
  if [ "$status" -ne 0 ] || [ -n "$(ls -A build/fuzz/findings)" ]; then
    grep -a -v '^#[0-9]' "$log" | tail -n 60
    echo "finding in $reader: $(ls build/fuzz/findings)"
    exit 1
  fi
done
echo "no finding; fuzzing took $(( $(date +%s) - started )) s in all"
