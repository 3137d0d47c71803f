#!/usr/bin/env bash
# Reads the Windows installer's database and summary as Windows Installer does: the texts a
# user or an administrator sees are Bulgarian, in the code page the database and the summary
# declare; the program is a versioned file at its own version record's version; and the
# major upgrade takes in the same version, so that another package of it replaces this one.
# usage: msi_tables.sh MSI PROGRAM WINDRES
set -euo pipefail
msi=$1 program=$2 windres=$3
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
passed=0
table() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
bulgarian() { LC_ALL=C.UTF-8 grep -q -x -P '[^A-Za-z]*\p{Cyrillic}[^A-Za-z]*' <<<"$2" || fail "$1 is not Bulgarian: \"$2\""; }

version=$(table Property | awk -F'\t' '$1 == "ProductVersion" { print $2 }')
bulgarian "the launch condition's message" "$(table LaunchCondition | cut -f2)"
bulgarian "the product's name" "$(table Property | awk -F'\t' '$1 == "ProductName" { print $2 }')"
passed=$((passed + 2))

# The summary: its code page, and its texts as that code page's bytes.
stream=$(mktemp)
trap 'rm -f "$stream"' EXIT
msiinfo extract "$msi" $'\005SummaryInformation' >"$stream"
summary=$(python3 - "$stream" <<'PYTHON'
import struct, sys
data = open(sys.argv[1], "rb").read()
section = struct.unpack_from("<I", data, 44)[0]
count = struct.unpack_from("<I", data, section + 4)[0]
values = {}
for i in range(count):
    pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
    kind = struct.unpack_from("<I", data, section + offset)[0]
    if kind == 2:
        values[pid] = str(struct.unpack_from("<h", data, section + offset + 4)[0] & 0xFFFF)
    elif kind == 30:
        length = struct.unpack_from("<I", data, section + offset + 4)[0]
        values[pid] = data[section + offset + 8:section + offset + 8 + length].rstrip(b"\0")
codepage = values[1]
print(f"codepage\t{codepage}")
for pid, name in ((3, "subject"), (5, "keywords"), (6, "comments")):
    try:
        print(f"{name}\t{values[pid].decode('cp' + codepage)}")
    except UnicodeDecodeError:
        print(f"{name}\t(not code page {codepage})")
PYTHON
)
field() { awk -F'\t' -v name="$1" '$1 == name { print $2 }' <<<"$summary"; }
[ "$(field codepage)" = 1251 ] || fail "the summary's code page is $(field codepage), not 1251"
[ "$(field subject)" = "Велтаро $version" ] || fail "the summary's subject is \"$(field subject)\""
for name in keywords comments; do
  bulgarian "the summary's $name" "$(field "$name" | sed "s/$version//")"
done
passed=$((passed + 3))

record=$("$windres" -i "$program" -O rc | sed -n 's/^ *FILEVERSION \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1.\2.\3.\4/p')
[ -n "$record" ] || fail "the program has no file version"
file_version=$(table File | awk -F'\t' '$1 == "veltaro.exe" { print $5 }')
[ "$file_version" = "$record" ] || fail "veltaro.exe's version in the File table is \"$file_version\", not $record"
passed=$((passed + 1))

# The upgrade's rows: the one that removes an earlier package includes this version
# (msidbUpgradeAttributesVersionMaxInclusive); the one that refuses a later one does not.
upgrade=$(table Upgrade | awk -F'\t' '$7 == "WIX_UPGRADE_DETECTED" { print $3, $5 }')
read -r maximum attributes <<<"$upgrade"
[ "$maximum" = "$version" ] && (((attributes & 0x200) != 0)) ||
  fail "the upgrade does not take in $version itself: $upgrade"
downgrade=$(table Upgrade | awk -F'\t' '$7 == "WIX_DOWNGRADE_DETECTED" { print $2, $5 }')
read -r minimum attributes <<<"$downgrade"
[ "$minimum" = "$version" ] && (((attributes & 0x100) == 0)) ||
  fail "the same version counts as a later one: $downgrade"
passed=$((passed + 2))
echo "windows installer's tables: $passed passed, 0 failed"
