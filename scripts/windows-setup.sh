#!/usr/bin/env bash
# Installs what the Windows build needs on top of scripts/setup.sh: the MinGW-w64 cross compiler,
# zlib for it, Wine to run the tests and NSIS for the installer, and a deb-src entry so that
# libzip and GoogleTest can be built for MinGW from Debian's own sources.
# Kept apart from scripts/setup.sh so that the Linux test command does not pay for it.
set -euo pipefail
packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev mingw-w64-tools
          wine64 nsis qt6-base-dev-tools cmake dpkg-dev)
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
src_list=/etc/apt/sources.list.d/lenvari-deb-src.sources
if [ ! -f "$src_list" ]; then
  printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" \
    "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
    $sudo_cmd tee "$src_list" >/dev/null
  $sudo_cmd apt-get update -q >/dev/null
fi
bash "$(dirname "$0")/setup.sh" "${packages[@]}"
