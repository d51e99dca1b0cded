#!/usr/bin/env bash
# The Windows build, made on Linux: MinGW-w64 with the shared Qt for Windows, the headless
# tests under Wine, and the NSIS installer, installed, started and uninstalled under Wine.
#   scripts/windows.sh
# Leaves in build/windows/: LenvariMain.exe with its DLLs and plugins as the installer lays
# them out, and the installer lenvari-acuity-*.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/windows
mkdir -p "$out"
start=$SECONDS
step() { printf '[windows %3ds] %s\n' $((SECONDS - start)) "$*"; }

step "packages"
bash scripts/setup.sh
bash scripts/windows-setup.sh

step "Qt for Windows"
qt_args=$("${LENVARI_QT_MINGW:-/work/shared/tools/qt-mingw}" unpack "$out/qt")
toolchain=$out/qt/mingw-w64-x86_64.cmake

step "libzip and GoogleTest for Windows"
bash scripts/windows-deps.sh "$out" "$toolchain"

step "the remote's artwork as PNG"
artwork=$out/artwork
renderer=$out/render_remote_artwork
if [ ! -x "$renderer" ] || [ packaging/RenderRemoteArtwork.cpp -nt "$renderer" ]; then
  # shellcheck disable=SC2046
  g++ -std=c++20 -O0 -fPIC packaging/RenderRemoteArtwork.cpp -o "$renderer" \
      $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
fi
rm -rf "$artwork" && mkdir -p "$artwork"
QT_QPA_PLATFORM=offscreen "$renderer" "$artwork" dialogs/artwork/*.svg

step "build"
# No optimisation and no debug information: the build is what costs CI its time here.
bash scripts/build.sh "$out/build" "$qt_args -DQT_ADDITIONAL_PACKAGES_PREFIX_PATH=$out/deps/prefix \
  -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-O0 -DLENVARI_TESTS=ON \
  -DLENVARI_REMOTE_ARTWORK_PNG_DIR=$artwork" -j2
# The installer's layout in build/windows: the program with everything it needs beside it.
cmake --install "$out/build" --prefix "$out" >/dev/null

step "Wine prefix"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(dpkg -L wine64 | grep -m1 '/wine64$')
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPREFIX=$out/wine WINEARCH=win64 WINEDEBUG=-all
# No .NET or HTML engine: their download prompts would stop an unattended run.
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1
# Wine hands no QT_* variable from Linux to a Windows program: the prefix's user environment
# holds them. Qt's offscreen platform on Windows reads fonts from a folder: the same Liberation
# Sans the Linux build draws with, so frames can be compared pixel for pixel.
mkdir -p "$out/fonts"
cp /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf "$out/fonts/"
wine_environment() {  # NAME VALUE
  "$wine" reg add 'HKCU\Environment' /v "$1" /d "$2" /f >/dev/null 2>&1
}
wine_environment QT_QPA_FONTDIR "$(windows_path "$out/fonts")"
wine_environment QT_PLUGIN_PATH "$(windows_path "$out")"
"/usr/lib/wine/wineserver64" -w 2>/dev/null || true

step "tests under Wine"
WINEPATH="$(windows_path "$out");$(windows_path "$out/qt/bin")"
export WINEPATH
failed=()
for suite in windows store render platform app; do
  log=$out/build/tests/test_$suite.log
  if (cd "$out/build/tests" && "$wine" "./test_$suite.exe" --gtest_brief=1 >"$log" 2>&1); then
    printf '  test_%s: %s\n' "$suite" "$(grep -m1 -o '[0-9]* tests\?, listed below\|PASSED.*' "$log" | tail -n1)"
  else
    failed+=("$suite"); grep -E '^\[  FAILED|Failure|error' "$log" | head -n 30
    printf '  test_%s FAILED (log: %s)\n' "$suite" "$log"
  fi
done

step "a letter-chart frame, Windows against Linux"
frames=$out/frames
rm -rf "$frames" && mkdir -p "$frames/windows" "$frames/data-windows"
screens=$root/tests/screens/one-monitor.json
seed_args=(--frames "$frames/windows" --data-dir "$frames/data-windows" --seed 1)
"$wine" "$out/LenvariMain.exe" -platform "offscreen:configfile=$screens" "${seed_args[@]}" --answers "OK;OK;OK" --keys "{Enter}" >"$frames/windows.log" 2>&1 || true
linux_main=$root/build/test/LenvariMain
if [ -x "$linux_main" ]; then
  mkdir -p "$frames/linux" "$frames/data-linux"
  QT_QPA_PLATFORM="offscreen:configfile=$screens" "$linux_main" --frames "$frames/linux" \
    --data-dir "$frames/data-linux" --seed 1 --answers "OK;OK;OK" --keys "{Enter}" >"$frames/linux.log" 2>&1 || true
  last=$(cd "$frames/linux" && ls frame-*.png | tail -n1)
  differing=$(compare -metric AE "$frames/linux/$last" "$frames/windows/$last" "$frames/difference.png" 2>&1 || true)
  echo "  $last: $differing pixels differ (picture of the difference: $frames/difference.png)"
else
  echo "  no Linux build in build/test: the frame was drawn but not compared"
fi

step "installer"
(cd "$out/build" && cpack -G NSIS >"$out/cpack.log" 2>&1) || { tail -n 30 "$out/cpack.log"; exit 1; }
rm -f "$out"/lenvari-acuity-*.exe
cp "$out"/build/lenvari-acuity-*.exe "$out/"
installer=$(ls "$out"/lenvari-acuity-*.exe)
"$wine" "$installer" /S
installed="$WINEPREFIX/drive_c/Program Files/Lenvari Acuity"
[ -f "$installed/LenvariMain.exe" ] || { echo "The installer put no LenvariMain.exe in $installed" >&2; exit 1; }
"$wine" "$installed/LenvariMain.exe" --version
mkdir -p "$frames/installed"
"$wine" "$installed/LenvariMain.exe" -platform "offscreen:configfile=$screens" --frames "$frames/installed" --answers "OK;OK;OK" \
  --keys "{Enter}" >"$frames/installed.log" 2>&1
ls "$frames/installed"/frame-*.png >/dev/null
data_folder="$WINEPREFIX/drive_c/ProgramData/Lenvari/LenvariAcuity4"
[ -f "$data_folder/globalconfig.cfg" ] || { echo "The installed program made no data folder at $data_folder" >&2; exit 1; }
"$wine" "$installed/Uninstall.exe" /S
sleep 2  # the uninstaller copies itself away and returns at once
"/usr/lib/wine/wineserver64" -w 2>/dev/null || true
[ ! -f "$installed/LenvariMain.exe" ] || { echo "The uninstaller left $installed/LenvariMain.exe" >&2; exit 1; }
[ -f "$data_folder/globalconfig.cfg" ] || { echo "The uninstaller removed the data folder" >&2; exit 1; }
echo "  installed, started (--version, a scripted start), uninstalled; the data folder stays"

step "done"
[ ${#failed[@]} -eq 0 ] || { echo "Windows tests failed: ${failed[*]}" >&2; exit 1; }
