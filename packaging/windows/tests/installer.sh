#!/usr/bin/env bash
# Deploys the Windows installer under the 32-bit Wine as a school's IT does: installs it
# silently for every user of the machine, finds the program in Program Files, its shortcut
# in the Start menu and its entry among the installed programs, starts the installed
# program and calculates with it, then removes it silently and finds none of the files and
# registry keys it added left.
# usage: installer.sh MSI PROGRAM NOTICES
set -euo pipefail
msi=$1 built_program=$2 built_notices=$3
source "$(dirname "$0")/../../../win32/tests/program_driver.sh"
wine_session_start

product=$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }')
[ -n "$product" ] || fail "the installer names no product code"
drive=$WINEPREFIX/drive_c
folder='C:\Program Files\Veltaro'
# "Велтаро" as Wine's registry files write it.
name='\x412\x435\x43b\x442\x430\x440\x43e'

# What the prefix holds once Wine has written it out: every file, and every registry key
# and value, one a line, as "key" and "key = value name".
snapshot() {  # name
  wineserver -w
  (cd "$drive" && find . | sort) >"$x_session_work/$1.files"
  for hive in system user; do
    awk -v hive="$hive" '
      /^\[/ { key = $0; sub(/\] [0-9]+$/, "", key); print hive " " key; next }
      /^"/ && key != "" { value = $0; sub(/"=.*/, "\"", value); print hive " " key " = " value }
      /^@=/ && key != "" { print hive " " key " = @" }' "$WINEPREFIX/$hive.reg"
  done | sort >"$x_session_work/$1.registry"
}
added() {  # before, after, kind: what the second holds and the first does not
  comm -13 "$x_session_work/$1.$3" "$x_session_work/$2.$3"
}
in_registry() { grep -q -F -- "$1" "$WINEPREFIX/system.reg"; }

snapshot before
# Wine's drive Z: is this machine's root.
wine msiexec /i "Z:${msi//\//\\}" /qn ||
  fail "msiexec /i ... /qn ended with status $?"
snapshot installed

cmp -s "$drive/Program Files/Veltaro/veltaro.exe" "$built_program" ||
  fail "$folder\\veltaro.exe is not the program built"
cmp -s "$drive/Program Files/Veltaro/notices.txt" "$built_notices" ||
  fail "$folder\\notices.txt is not the notices built"
files=$(added before installed files | grep -c -v '^./windows/Installer')
check "files in Program Files and the Start menu" "$files" 4
# The shortcut, in the Start menu of every user; Wine's Windows Installer puts it in the
# installing user's (its ProgramMenuFolder ignores ALLUSERS).
shortcut=$(added before installed files | grep '/Start Menu/Programs/Велтаро\.lnk$' || true)
[ -n "$shortcut" ] || fail "no shortcut Велтаро in the Start menu"
strings -e l "$drive/$shortcut" | grep -q -F 'veltaro.exe' || fail "the shortcut does not start the program"
icon=$(strings -e l "$drive/$shortcut" | grep -F '\Installer\' | sed 's/^[^C]*C:/C:/')
[ -f "$drive/$(echo "${icon#C:\\}" | tr '\\' '/')" ] || fail "the shortcut's icon $icon is not there"
passed=$((passed + 1))
# Programs and Features: the name, the publisher, the version, and the icon, which it takes
# from the product's registration; all of the machine, none of a user.
uninstall="[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\$product]"
key=$uninstall awk 'index($0, ENVIRON["key"]) == 1 { shown = 1; next } /^\[/ { shown = 0 } shown' \
  "$WINEPREFIX/system.reg" >"$x_session_work/entry"
for value in "\"DisplayName\"=\"$name\"" '"Publisher"="Veltaro"' '"DisplayVersion"="1.00"'; do
  grep -q -F -- "$value" "$x_session_work/entry" || fail "the installed programs' entry lacks $value"
  passed=$((passed + 1))
done
in_registry '"ProductIcon"=' || fail "no icon for the installed programs' entry"
! grep -q -F "$product" "$WINEPREFIX/user.reg" || fail "installed for the user, not the machine"
in_registry 'UserData\\S-1-5-18\\Products' || fail "not registered as the machine's"
passed=$((passed + 2))
# Nothing in the registry but what Windows Installer keeps of every product it installs.
installer_keys='^system \[Software\\\\(Classes\\\\Installer|Microsoft\\\\Windows\\\\CurrentVersion\\\\(Installer|Uninstall))\\\\'
foreign=$(added before installed registry | grep -v -E "$installer_keys" || true)
[ -z "$foreign" ] || fail "the installer wrote more than Windows Installer does: $foreign"
passed=$((passed + 1))

program="$folder\\veltaro.exe"
start C.UTF-8
calculate 45 60
check "45 of 60 in the installed program" "$(read_box "${result[@]}")" "75%"
close

wine msiexec /x "$product" /qn || fail "msiexec /x ... /qn ended with status $?"
snapshot removed
# Left: Windows Installer's own cache folder, and the empty keys it files products under.
left=$(added before removed files | grep -v -x './windows/Installer' || true)
[ -z "$left" ] || fail "files left after removal: $left"
left=$(added before removed registry | grep -v -E "$installer_keys[^=]*$" || true)
[ -z "$left" ] || fail "registry keys or values left after removal: $left"
! grep -q -F -e "$product" -e "$name" -e Veltaro "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" ||
  fail "the registry still names the product"
passed=$((passed + 3))
echo "windows installer: $passed passed, 0 failed"
