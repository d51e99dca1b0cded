#!/usr/bin/env bash
# Builds libzip and GoogleTest for MinGW-w64 from Debian's source packages, once per build folder:
#   scripts/windows-deps.sh BUILD_DIR TOOLCHAIN_FILE
# installs them as static libraries into BUILD_DIR/deps/prefix and leaves a stamp there, so a
# second run costs nothing. Needs the deb-src entry that scripts/windows-setup.sh adds.
set -euo pipefail
dir=$(mkdir -p "$1/deps" && cd "$1/deps" && pwd)
toolchain=$(realpath "$2")
prefix=$dir/prefix
stamp=$prefix/.built-libzip-googletest
[ -f "$stamp" ] && exit 0
rm -rf "$dir/src" "$prefix"
mkdir -p "$dir/src"
(cd "$dir/src" && apt-get source -q libzip googletest >/dev/null 2>"$dir/apt-source.log") || {
  cat "$dir/apt-source.log"; echo "apt-get source failed: is the deb-src entry there (scripts/windows-setup.sh)?" >&2; exit 1; }
libzip_src=$(find "$dir/src" -maxdepth 1 -type d -name 'libzip-*' | head -n1)
gtest_src=$(find "$dir/src" -maxdepth 1 -type d -name 'googletest-*' | head -n1)

common=(-G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF)
log=$dir/build.log
: >"$log"
build() {
  local src=$1 out=$2; shift 2
  if ! { cmake -S "$src" -B "$out" "${common[@]}" "$@" && cmake --build "$out" -j2 &&
         cmake --install "$out"; } >>"$log" 2>&1; then
    tail -n 40 "$log"; echo "Building $(basename "$src") for Windows failed (log: $log)" >&2; exit 1
  fi
}
# zlib only: the program writes and reads plain deflated archives, no encryption or other codecs.
build "$libzip_src" "$dir/libzip-build" -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
  -DENABLE_OPENSSL=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF \
  -DENABLE_WINDOWS_CRYPTO=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF \
  -DBUILD_DOC=OFF
build "$gtest_src" "$dir/googletest-build" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
touch "$stamp"
