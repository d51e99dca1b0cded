#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, or, given package
# names, those instead (scripts/windows-setup.sh does that).
# Only what is missing is installed, so a prepared machine is not slowed down.
set -euo pipefail
packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(cmake g++ qt6-base-dev qt6-image-formats-plugins libzip-dev libgtest-dev
          libbenchmark-dev libasound2-dev fonts-liberation fonts-liberation2 xvfb xauth ccache
          qt6-svg-dev qt6-multimedia-dev xdotool wmctrl x11-utils x11-xserver-utils imagemagick openbox
          xserver-xorg-core xserver-xorg-video-dummy desktop-file-utils appstream dpkg-dev
          libxdamage-dev libxtst-dev
          strace clang libclang-rt-dev ffmpeg qt6-wayland sway grim wtype mutter dbus dbus-x11 xwayland
          qt6-websockets-dev libqrencode-dev chromium python3-websocket)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
