#!/usr/bin/env bash
# Deploys the Windows installer under Wine as a school's IT does: installs it silently for
# every user of the machine, finds the program in Program Files, its shortcut in the Start
# menu and its entry among the installed programs, starts the installed program and
# calculates with it; then deploys a signed build of the same version over it, which
# replaces it, and removes that silently and finds none of the files and registry keys
# either added left.
# usage: installer.sh MSI MSI-SETTINGS PROGRAM NOTICES ICON
set -euo pipefail
msi=$1 settings=$2 built_program=$3 built_notices=$4 built_icon=$5
tests=$(cd "$(dirname "$0")" && pwd)
source "$tests/../../../win32/tests/program_driver.sh"
wine_session_start

product_code() {  # installer
  local code
  code=$(msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }')
  [ -n "$code" ] || fail "$(basename "$1") names no product code"
  echo "$code"
}
product=$(product_code "$msi")
drive=$WINEPREFIX/drive_c
folder='C:\Program Files\Veltaro'
# "Велтаро" as Wine's registry files write it.
name='\x412\x435\x43b\x442\x430\x440\x43e'

# What the prefix holds once Wine has written it out: every file, and every registry key
# and value, one a line, as "key" and "key = value name".
snapshot() {  # name
  timeout 60 wineserver -w || fail "Wine's server went on for a minute after its programs ended"
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
install() {  # the installer, as Windows names it
  local status=0
  wine msiexec /i "$1" /qn || status=$?
  [ "$status" = 0 ] || fail "msiexec /i $1 /qn ended with status $status"
}
# Wine's drive Z: is this machine's root.
install "Z:${msi//\//\\}"
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
check_box "45 of 60 in the installed program" "${result[@]}" "75%"
close

# The same version signed, as a build given a certificate makes it: another package, which
# replaces this one.
work=$x_session_work
source "$tests/certificate.sh"
certificate signer codeSigning "Veltaro test signing"
mkdir "$work/signed"
cp "$built_program" "$work/signed/veltaro.exe"
sign() { VELTARO_SIGNING_CERTIFICATE=$work/signer.pem VELTARO_SIGNING_KEY=$work/signer.key \
  VELTARO_TIMESTAMP_URL= "$tests/../sign" "$1" || fail "cannot sign $1"; }
sign "$work/signed/veltaro.exe"
# Where the Wine of an i386 root sees it too: on drive C:, until it is installed.
signed_msi=$drive/signed.msi
"$tests/../make-msi" "$settings" "$signed_msi" "$work/signed/veltaro.exe" "$built_notices" \
  "$built_icon" || fail "cannot build the signed installer"
sign "$signed_msi"
signed_product=$(product_code "$signed_msi")
[ "$signed_product" != "$product" ] || fail "the signed package has the unsigned one's product code"
install 'C:\signed.msi'
rm "$signed_msi"
timeout 60 wineserver -w || fail "Wine's server went on for a minute after its programs ended"
cmp -s "$drive/Program Files/Veltaro/veltaro.exe" "$work/signed/veltaro.exe" ||
  fail "the signed installer left $folder\\veltaro.exe unsigned"
! grep -q -F "$product" "$WINEPREFIX/system.reg" || fail "the unsigned package is still installed"
grep -q -F "$signed_product" "$WINEPREFIX/system.reg" || fail "the signed package is not registered"
passed=$((passed + 3))

wine msiexec /x "$signed_product" /qn || fail "msiexec /x ... /qn ended with status $?"
snapshot removed
# Left: Windows Installer's own cache folder, and the empty keys it files products under.
left=$(added before removed files | grep -v -x './windows/Installer' || true)
[ -z "$left" ] || fail "files left after removal: $left"
left=$(added before removed registry | grep -v -E "$installer_keys[^=]*$" || true)
[ -z "$left" ] || fail "registry keys or values left after removal: $left"
! grep -q -F -e "$product" -e "$signed_product" -e "$name" -e Veltaro "$WINEPREFIX/system.reg" \
  "$WINEPREFIX/user.reg" ||
  fail "the registry still names the product"
passed=$((passed + 3))
echo "windows installer: $passed passed, 0 failed"
