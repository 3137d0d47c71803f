#!/usr/bin/env bash
# Builds the Windows program and its installer twice from the same sources, in two trees at
# different places, with SOURCE_DATE_EPOCH given, and finds the same bytes in both: the
# program's header dated that moment, the installer's times too, no path of the build in
# either, and nothing signed.
# usage: reproducible.sh SOURCE-DIR WORK-DIR
set -euo pipefail
source_dir=$1
work=$2
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1765152000  # 2025-12-08 00:00:00 UTC
unset VELTARO_SIGNING_CERTIFICATE VELTARO_SIGNING_KEY VELTARO_TIMESTAMP_URL

trees=("$work/first" "$work/second/elsewhere")
for tree in "${trees[@]}"; do
  (cd "$source_dir" && cmake --preset windows -B "$tree" -DBUILD_TESTING=OFF >"$work.log" 2>&1) ||
    fail "cannot configure $tree: $(tail -5 "$work.log")"
  cmake --build "$tree" --target veltaro veltaro_msi -j 2 >"$work.log" 2>&1 ||
    fail "cannot build $tree: $(tail -5 "$work.log")"
done
rm -f "$work.log"

passed=0
for file in veltaro.exe veltaro.msi; do
  cmp "${trees[0]}/win32/$file" "${trees[1]}/win32/$file" || fail "the two builds' $file differ"
  ! grep -q -a -F -e "$work" -e "$source_dir" "${trees[0]}/win32/$file" ||
    fail "$file holds a path of the build"
  passed=$((passed + 1))
done
dated=$(i686-w64-mingw32-objdump -p "${trees[0]}/win32/veltaro.exe" | sed -n 's/^Time\/Date\t*//p')
[ "$(date -u -d "$dated UTC" +%s)" = "$SOURCE_DATE_EPOCH" ] ||
  fail "the program's header is dated $dated, not SOURCE_DATE_EPOCH"
created=$(msiinfo suminfo "${trees[0]}/win32/veltaro.msi" | sed -n 's/^Created: //p')
[ "$(TZ=UTC date -d "$created" +%s)" = "$SOURCE_DATE_EPOCH" ] ||
  fail "the installer is dated $created, not SOURCE_DATE_EPOCH"
passed=$((passed + 2))
echo "windows reproducible: $passed passed, 0 failed"
