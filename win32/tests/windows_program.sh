#!/usr/bin/env bash
# Checks the Windows program as a teacher gets it: one file of at most 1 MiB that needs
# nothing but Windows' own DLLs, in Bulgarian its version record "1.00" and the manifest,
# and as its icon the window's: 32 x 32 in at most 256 colours, the picture the Linux
# program shows.
set -euo pipefail
exe=$1
icons=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
ok() {
  echo "ok: $*"
  passed=$((passed + 1))
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

size=$(stat -c %s "$exe")
[ "$size" -le $((1024 * 1024)) ] || fail "$size bytes, more than 1 MiB"
ok "$size bytes"

imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort)
# ole32 is COM, through which the program names its controls for screen readers.
for dll in $imports; do
  case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll | ole32.dll) ;;
    *) fail "imports $dll, which Windows does not bring" ;;
  esac
done
ok "imports" $imports

x86_64-w64-mingw32-windres -i "$exe" -O rc -o "$work/resources.rc"
resources=$work/resources.rc
has() { grep -q -F -- "$1" "$resources" || fail "no $2"; }
[ "$(grep -c '^LANGUAGE' "$resources")" = 1 ] && has "LANGUAGE 2, 1" "Bulgarian resources"
ok "every resource in Bulgarian"
has 'VALUE "FileVersion", "1.00"' "file version 1.00"
has 'VALUE "ProductVersion", "1.00"' "product version 1.00"
has 'FILEVERSION 1, 0, 0, 0' "numeric file version"
has 'VALUE "Translation", 0x402, 1200' "Bulgarian translation of the version record"
ok "version record 1.00"
has "RT_MANIFEST" "manifest"
has "PerMonitorV2" "per-monitor DPI awareness"
has "Microsoft.Windows.Common-Controls" "the system's current controls"
ok "manifest"

has "RT_GROUP_ICON" "icon group"
has '"\040\040\000\000", 1, 32' "32 x 32 icon"
# The program carries the icon file's 32 x 32 image byte for byte: the file's second entry,
# whose size and place its directory gives at bytes 30 and 34.
number_at() { od -An -t u4 -j "$1" -N 4 "$icons/veltaro.ico" | tr -d ' '; }
hex() { od -An -v -t x1 | tr -d ' \n'; }
image=$(dd if="$icons/veltaro.ico" bs=1 skip="$(number_at 34)" count="$(number_at 30)" 2>/dev/null | hex)
x86_64-w64-mingw32-windres -i "$exe" -O res -o "$work/resources.res"
hex <"$work/resources.res" | grep -q "$image" || fail "the program's icon is not the icon file's"
# The 32 x 32 image, the icon file's second, is the window's: the same pixels as the raw
# picture the Linux program embeds, in at most 256 colours.
convert "ico:$icons/veltaro.ico[1]" -depth 8 "rgba:$work/icon.rgba"
cmp -s "$work/icon.rgba" "$icons/veltaro-32.rgba" || fail "the 32 x 32 icon is another picture"
colours=$(identify -format %k "ico:$icons/veltaro.ico[1]")
[ "$colours" -le 256 ] || fail "the 32 x 32 icon has $colours colours"
ok "icon: 32 x 32, $colours colours, the window's picture"
echo "windows program: $passed passed, 0 failed"
