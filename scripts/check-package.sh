#!/usr/bin/env bash
# Builds the Debian package and checks it as installed: unpacked into a scratch root, the
# program there answers --version and --help, starts a scripted chart on the offscreen
# platform, refuses a missing display in one line, and the menu entry and software-centre
# metadata validate. With LENVARI_APT_INSTALL=1 (as root) it is also installed with apt-get
# and removed again, and a user's data folder is checked to be left as it was.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package.sh
deb=$(ls build/release/lenvari-acuity_*.deb)
fail() { echo "package check: $*" >&2; exit 1; }

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6websockets6 libqrencode4 libzip4 libasound2 \
              fonts-liberation2 qt6-wayland; do
  case $depends in *"$needed"*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done
if dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -qv '^\./$'; then
  fail "files outside /usr: $(dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '^\./usr/')"
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/LenvariMain
[ "$("$program" --version)" = "Lenvari 4.13" ] || fail "--version says: $("$program" --version)"
"$program" --help | grep -q -- "--data-dir DIR" || fail "--help lacks --data-dir"
head -n 1 "$root/usr/share/man/man1/LenvariMain.1" | grep -q '^\.TH LENVARIMAIN 1' || fail "no manual page"
set +e
missing=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
code=$?
set -e
[ $code = 2 ] && [ "$(printf '%s\n' "$missing" | wc -l)" = 1 ] || fail "without a display: exit $code, $missing"
run=$(QT_QPA_PLATFORM=offscreen "$program" --data-dir "$root/data" --answers "OK;OK;OK;Yes" \
      --keys "+++++{Enter}{Esc}" 2>&1) || fail "scripted run failed: $run"
[ -f "$root/data/lvmonitordata.cfg" ] || fail "scripted run wrote no data folder"

# The video decoder module, where the program looks for it (its private library folder).
[ -f "$root/usr/lib/lenvari-acuity/libLenvariVideo.so" ] || fail "no video decoder module"

desktop-file-validate "$root/usr/share/applications/com.lenvari.Acuity.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.lenvari.Acuity.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$root/usr/share/metainfo/com.lenvari.Acuity.metainfo.xml"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/com.lenvari.Acuity.svg" ] || fail "no SVG icon"
for size in 16 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/com.lenvari.Acuity.png" ] || fail "no ${size}px icon"
done

if [ "${LENVARI_APT_INSTALL:-0}" = 1 ]; then
  data=$(mktemp -d)
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(realpath "$deb")" >/dev/null
  [ "$(/usr/bin/LenvariMain --version)" = "Lenvari 4.13" ] || fail "installed program: wrong version"
  QT_QPA_PLATFORM=offscreen /usr/bin/LenvariMain --data-dir "$data" --answers "OK;OK;OK;Yes" \
    --keys "+++++{Enter}{Esc}" >/dev/null 2>&1 || fail "installed program: scripted run failed"
  before=$(ls -lR --time-style=full-iso "$data"; cat "$data"/*)
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -q lenvari-acuity >/dev/null
  [ ! -e /usr/bin/LenvariMain ] || fail "removal left /usr/bin/LenvariMain"
  [ "$(ls -lR --time-style=full-iso "$data"; cat "$data"/*)" = "$before" ] || fail "removal touched a data folder"
  rm -rf "$data"
fi
echo "package check: $(basename "$deb") installs, runs and validates"
