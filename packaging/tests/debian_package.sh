#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary folder and checks that every
# file stands where the desktop looks for it, that it depends on the Qt runtime, the font
# and Qt's Bulgarian texts, that it recommends the Wayland plugin, and that the packaged
# program starts and shows its window.
set -euo pipefail
build=$1
app_id=$2
source "$(dirname "$0")/../../scripts/x-session.sh"

work=$x_session_work/package
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work.log" 2>&1 || {
  cat "$work.log"
  fail "cpack failed"
}
deb=$(ls "$work"/*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root"

passed=0
check() {
  if [ -e "$root/$1" ]; then passed=$((passed + 1)); else fail "missing /$1"; fi
}
check usr/bin/veltaro
check "usr/share/applications/$app_id.desktop"
check "usr/share/metainfo/$app_id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
  check "usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"
done
check "usr/share/icons/hicolor/scalable/apps/$app_id.svg"

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 fonts-liberation2 qt6-qpa-plugins \
  qt6-translations-l10n; do
  grep -q "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $depends"
  passed=$((passed + 1))
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "does not recommend qt6-wayland"
[ "$(dpkg-deb -f "$deb" Version)" = "1.00" ] || fail "version is not 1.00"

x_session_start "$root/usr/bin/veltaro"
await_window 'Велтаро$' >/dev/null
echo "package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB; depends: $depends"
echo "debian package: $((passed + 3)) passed, 0 failed"
