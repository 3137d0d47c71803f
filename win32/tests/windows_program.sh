#!/usr/bin/env bash
# Checks the Windows program as a teacher gets it: one 32-bit x86 file of at most 1 MiB,
# which every Windows from 7 SP1 on loads, 32- or 64-bit or ARM: it imports nothing but
# functions of Windows 7's own DLLs, each on the list beside this script, and has one
# thread. In Bulgarian its version record "1.00" with its texts and the manifest; as its
# icon the window's in every size Windows asks for, the 32 x 32 one in at most 256 colours
# and the picture the Linux program shows; and the licence notices of everything the
# linker's map shows went into it.
# usage: windows_program.sh PROGRAM ICON-FOLDER LINK-MAP NOTICES
set -euo pipefail
exe=$1
icons=$2
map=$3
notices=$4
windows7_imports=$(dirname "$0")/windows7_imports.txt
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

# The unsigned number of a file's given bytes at an offset, little-endian as both formats are.
number_at() { od -An -t "u$3" -j "$2" -N "$3" "$1" | tr -d ' '; }
# The machine type in the PE header, whose place the DOS header gives at byte 60: i386.
machine=$(number_at "$exe" $(($(number_at "$exe" 60 4) + 4)) 2)
[ "$machine" = $((0x14c)) ] || fail "machine type $(printf '0x%x' "$machine"), not i386 (0x14c)"
ok "machine type i386"

# The loader refuses a program that says it needs a later Windows than it is.
headers=$(i686-w64-mingw32-objdump -p "$exe")
for field in OSystem Subsystem; do
  version=$(awk -v major="Major${field}Version" -v minor="Minor${field}Version" \
    '$1 == major { m = $2 } $1 == minor { n = $2 } END { print m "." n }' <<<"$headers")
  [ "$version" = 6.1 ] || fail "$field version $version, not 6.1 (Windows 7)"
done
ok "made for Windows 6.1 (7) on"

# Every imported function as "dll function", from the import tables objdump lists: "vma hint
# name" from binutils 2.40 (Debian 12), "vma <none> hint name", an Ordinal column, from 2.44.
awk '/DLL Name:/ { dll = tolower($3); next } /^$/ { dll = "" }
     dll != "" && $1 ~ /^[0-9a-f]+$/ && NF == 3 + ($2 == "<none>") { print dll, $NF }' \
  <<<"$headers" | sort -u >"$work/imports"
[ -s "$work/imports" ] || fail "the tool: no imports read from objdump's table, as it lists it"
grep -v '^#' "$windows7_imports" | awk '{ print $1, $2 }' | sort -u >"$work/allowed"
unknown=$(comm -23 "$work/imports" "$work/allowed")
[ -z "$unknown" ] || fail "imports what is not known to be in Windows 7 SP1:
$unknown"
later=$(grep -v '^#' "$windows7_imports" | awk '$3 !~ /^(2000|XP|Vista|7)$/')
[ -z "$later" ] || fail "the list allows what came after Windows 7:
$later"
stale=$(comm -13 "$work/imports" <(grep -v '^#' "$windows7_imports" | awk '$4 != "runtime" { print $1, $2 }' | sort -u))
[ -z "$stale" ] || fail "the list names what the program no longer imports:
$stale"
ok "imports $(wc -l <"$work/imports") functions, each in Windows 7 SP1, from" \
  $(cut -d' ' -f1 "$work/imports" | uniq)

# One thread, and no thread library: Windows calls no TLS callbacks but the C runtime's own
# two, which every mingw-w64 program has (winpthreads would add its own).
file_offset() {  # virtual address: its place in the file, from the section that holds it
  local size vma offset
  while read -r size vma offset; do
    if (($1 >= 16#$vma && $1 < 16#$vma + 16#$size)); then
      echo $(($1 - 16#$vma + 16#$offset))
      return
    fi
  done < <(i686-w64-mingw32-objdump -h "$exe" | awk '$1 ~ /^[0-9]+$/ { print $3, $4, $6 }')
  fail "no section holds $1"
}
image_base=$((16#$(awk '$1 == "ImageBase" { print $2 }' <<<"$headers")))
tls=$((16#$(awk '$1 == "Entry" && $2 == 9 { print $3 }' <<<"$headers")))
[ "${tls:-0}" -ne 0 ] || fail "no TLS directory: not the C runtime the test knows"
callbacks=$(number_at "$exe" $(($(file_offset $((image_base + tls))) + 12)) 4)
count=0
while [ "$(number_at "$exe" "$(file_offset $((callbacks + 4 * count)))" 4)" -ne 0 ]; do
  count=$((count + 1))
done
[ "$count" = 2 ] || fail "$count TLS callbacks, not the C runtime's 2"
ok "TLS callbacks: the C runtime's 2 only"
# libstdc++ brings std::random_device's code with its strings unless the build keeps it out.
! grep -q -a random_device "$exe" || fail "std::random_device is linked in"
ok "no std::random_device"

i686-w64-mingw32-windres -i "$exe" -O rc -o "$work/resources.rc"
resources=$work/resources.rc
has() { grep -q -F -- "$1" "$resources" || fail "no $2"; }
[ "$(grep -c '^LANGUAGE' "$resources")" = 1 ] && has "LANGUAGE 2, 1" "Bulgarian resources"
ok "every resource in Bulgarian"
has 'VALUE "FileVersion", "1.00"' "file version 1.00"
has 'VALUE "ProductVersion", "1.00"' "product version 1.00"
has 'FILEVERSION 1, 0, 0, 0' "numeric file version"
has 'VALUE "Translation", 0x402, 1200' "Bulgarian translation of the version record"
ok "version record 1.00"
i686-w64-mingw32-windres -i "$exe" -O res -o "$work/resources.res"
hex() { od -An -v -t x1 | tr -d ' \n'; }
hex <"$work/resources.res" >"$work/resources.hex"
# A text of the version record as Windows reads it: its name, then its value, each UTF-16
# and ended by a zero, the value on a 4-byte boundary.
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }
version_text() {  # name, value's beginning
  grep -q -E "$(utf16 "$1")0000(0000)?$(utf16 "$2")" "$work/resources.hex" ||
    fail "the version record's $1 does not begin \"$2\""
}
version_text ProductName "Велтаро"$'\0'
version_text FileDescription "Велтаро"$'\0'
version_text Comments "Изразява една величина като процент от друга"
version_text LegalCopyright "© "
grep -q "$(utf16 "Всички права запазени.")" "$work/resources.hex" || fail "the copyright's words are not Bulgarian"
ok "the version record's texts in Bulgarian"
has "RT_MANIFEST" "manifest"
# The manifest's XML, on one line.
manifest=$(LC_ALL=C sed -n '/<?xml/,/<\/assembly>/p' "$work/resources.res" | tr -d '\0' |
  tr -s '\n ' ' ' | sed 's/.*<?xml/<?xml/')
in_manifest() { grep -q -E -- "$1" <<<"$manifest" || fail "the manifest lacks $2"; }
in_manifest '<assemblyIdentity type="win32" name="[^"]*\.veltaro" [^>]*processorArchitecture="x86"' \
  "the program's own architecture, x86"
in_manifest 'Microsoft\.Windows\.Common-Controls' "the system's current controls"
declare -A windows=(
  [7]=35138b9a-5d96-4fbd-8e2d-a2440225f93a [8]=4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38
  [8.1]=1f676c76-80e1-4239-95bb-83d0f6d0da78 [10 and 11]=8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a
)
for version in "${!windows[@]}"; do
  in_manifest "<supportedOS Id=\"\\{${windows[$version]}\\}\"/>" "Windows $version as supported"
done
in_manifest '<dpiAware [^>]*>true/pm</dpiAware>' "DPI awareness: per monitor from 8.1 on"
in_manifest '<dpiAwareness [^>]*>PerMonitorV2,PerMonitor</dpiAwareness>' \
  "DPI awareness: per monitor, version 2 where Windows has it"
ok "manifest: x86, Windows 7 to 11, per-monitor DPI awareness"

has "RT_GROUP_ICON" "icon group"
# Windows' sizes at 100 % and at 125 to 200 %; an entry's width is one byte, 0 for 256.
for size in 16 20 24 32 40 48 64 256; do
  has "$(printf '"\\%03o\\%03o\\000\\000", 1, 32' $((size % 256)) $((size % 256)))" \
    "$size x $size icon"
done
ok "icon in 16, 20, 24, 32, 40, 48, 64 and 256 pixels"
# The program carries the icon file's 32 x 32 image byte for byte: the entry of the file's
# directory (16 bytes each from byte 6) that is 32 wide gives its size and place.
entry=0
while [ "$(number_at "$icons/veltaro.ico" $((6 + 16 * entry)) 1)" != 32 ]; do
  entry=$((entry + 1))
  [ "$entry" -lt "$(number_at "$icons/veltaro.ico" 4 2)" ] || fail "the icon file has no 32 x 32"
done
image=$(dd if="$icons/veltaro.ico" bs=1 skip="$(number_at "$icons/veltaro.ico" $((18 + 16 * entry)) 4)" \
  count="$(number_at "$icons/veltaro.ico" $((14 + 16 * entry)) 4)" 2>/dev/null | hex)
grep -q "$image" "$work/resources.hex" || fail "the program's icon is not the icon file's"
# That image is the window's: the same pixels as the raw picture the Linux program embeds,
# in at most 256 colours.
convert "ico:$icons/veltaro.ico[$entry]" -depth 8 "rgba:$work/icon.rgba"
cmp -s "$work/icon.rgba" "$icons/veltaro-32.rgba" || fail "the 32 x 32 icon is another picture"
colours=$(identify -format %k "ico:$icons/veltaro.ico[$entry]")
[ "$colours" -le 256 ] || fail "the 32 x 32 icon has $colours colours"
ok "icon: 32 x 32, $colours colours, the window's picture"

# The notices are in the program byte for byte, and cover every library and object file of
# the toolchain's that the linker took in.
grep -q "$(hex <"$notices")" "$work/resources.hex" || fail "the program lacks its notices"
sed -n '/^Linked as:/,/^$/p' "$notices" | tr -d '\r' | sed 's/^Linked as://' | tr -s ' ' '\n' |
  grep . | sort -u >"$work/covered"
grep -o -E '^/usr/[^ ()]+\.(a|o)' "$map" | sed 's|.*/||' | sort -u >"$work/linked"
uncovered=$(comm -23 "$work/linked" "$work/covered")
[ -z "$uncovered" ] || fail "linked in, with no notice: $uncovered"
ok "notices for all $(wc -l <"$work/linked") libraries and objects linked in"
echo "windows program: $passed passed, 0 failed"
