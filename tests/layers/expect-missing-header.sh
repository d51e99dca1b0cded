# Sourced by the layer probes. Builds TARGET and expects it to fail only because HEADER cannot
# be found; prints one line and sets status=1 on anything else.
#   expect_missing_header BUILD_DIR TARGET HEADER WHAT
expect_missing_header() {
  local out
  out=$(cmake --build "$1" --target "$2" 2>&1)
  if [ $? -eq 0 ]; then
    echo "FAIL: $4 compiles a file that includes <$3>"
    status=1
  elif ! grep -q "$3: No such file" <<<"$out"; then
    echo "FAIL: the $4 probe failed for another reason than the missing <$3>:"
    echo "$out" | tail -20
    status=1
  else
    echo "ok: $4 cannot include <$3>"
  fi
}
