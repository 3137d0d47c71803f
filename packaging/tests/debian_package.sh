#!/usr/bin/env bash
# Builds the Debian package, has lintian judge it, unpacks it into a temporary folder and
# checks that every file stands where the desktop and man look for it, that the version
# and release date read the same in every file that states them, that it depends on the
# Qt runtime, the font and Qt's Bulgarian texts, that it recommends the Wayland plugin,
# and that the packaged program starts and shows its window.
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

# Any error, warning or informational tag fails.
lintian --display-info --fail-on error,warning,info "$deb" ||
  fail "lintian found the tags above"
passed=$((passed + 1))

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
check usr/share/man/man1/veltaro.1.gz
check usr/share/doc/veltaro/copyright
check usr/share/doc/veltaro/changelog.gz

# The same bytes from the same text: no name or time stamp in the gzip header (flags and
# time are zero), and the highest compression (extra flags 2).
for file in usr/share/man/man1/veltaro.1.gz usr/share/doc/veltaro/changelog.gz; do
  header=$(od -An -tx1 -N9 "$root/$file" | tr -d ' \n')
  [ "$header" = 1f8b08000000000002 ] || fail "$file: gzip header $header is not that of gzip -n -9"
  passed=$((passed + 1))
done

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 fonts-liberation2 qt6-qpa-plugins \
  qt6-translations-l10n; do
  grep -q "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $depends"
  passed=$((passed + 1))
done

[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "does not recommend qt6-wayland"

# Each file that states the version, the release date or the licence states the same.
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "1.00" ] || fail "version is not 1.00"
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
release=$(grep -o '<release version="[^"]*" date="[^"]*"' "$metainfo")
release_version=$(sed 's/.*version="\([^"]*\)".*/\1/' <<<"$release")
release_date=$(sed 's/.*date="\([^"]*\)".*/\1/' <<<"$release")
license=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$metainfo")
zcat "$root/usr/share/doc/veltaro/changelog.gz" >"$work/changelog"
changelog_date=$(dpkg-parsechangelog -l "$work/changelog" -S Date)
manual_title=$(zcat "$root/usr/share/man/man1/veltaro.1.gz" | grep '^\.TH ')
copyright_license=$(sed -n '/^Files: \*$/,/^$/s/^License: //p' "$root/usr/share/doc/veltaro/copyright")
while IFS='|' read -r what stated expected; do
  [ "$stated" = "$expected" ] || fail "$what is '$stated', not '$expected'"
  passed=$((passed + 1))
done <<EOT
metainfo release version|$release_version|$version
changelog version|$(dpkg-parsechangelog -l "$work/changelog" -S Version)|$version
changelog date|$(date -u -d "$changelog_date" +%F)|$release_date
manual page title|$manual_title|.TH veltaro 1 $release_date "Veltaro $version" "User Commands"
copyright licence|$copyright_license|$license
EOT

x_session_start "$root/usr/bin/veltaro"
await_window 'Велтаро$' >/dev/null
echo "package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB; depends: $depends"
echo "debian package: $((passed + 3)) passed, 0 failed"
