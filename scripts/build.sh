#!/usr/bin/env bash
# Configures and builds quietly: one progress line, warnings and errors in full, the whole
# output in BUILD_DIR/build.log (printed as it comes with LENVARI_VERBOSE=1).
#   scripts/build.sh BUILD_DIR "CMAKE CONFIGURE OPTIONS" [cmake --build options...]
set -euo pipefail
dir=$1
configure=$2
shift 2
mkdir -p "$dir"
log="$dir/build.log"
if [ "${LENVARI_VERBOSE:-0}" = 1 ]; then
  # shellcheck disable=SC2086
  cmake -S . -B "$dir" $configure
  cmake --build "$dir" "$@"
  exit
fi
# shellcheck disable=SC2086
if ! cmake -S . -B "$dir" $configure >"$log" 2>&1; then
  cat "$log"
  echo "Configuring $dir failed (full output above)." >&2
  exit 1
fi
printf 'Building %s:' "$dir"
set +e
# A compiler message is shown with the lines before it that name our source (a warning inside
# a library header is about the line of ours that it was inlined into).
cmake --build "$dir" "$@" 2>&1 | tee -a "$log" | awk '
  /^\[ *[0-9]+%\]/ {
    match($0, /[0-9]+%/)
    p = substr($0, RSTART, RLENGTH - 1) + 0
    while (p >= mark + 10) { mark += 10; printf " %d%%", mark; fflush() }
    context = ""
    next
  }
  /(warning|error):/ { printf "\n%s%s\n", context, $0; context = ""; fflush(); next }
  /In function|In member function|inlined from|required from/ { context = context $0 "\n" }
'
status=${PIPESTATUS[0]}
set -e
if [ "$status" != 0 ]; then
  echo
  tail -n 40 "$log"
  echo "Building $dir failed; the whole output is in $log (LENVARI_VERBOSE=1 shows it as it comes)." >&2
  exit 1
fi
echo " done (log: $log; LENVARI_VERBOSE=1 shows it all)"
