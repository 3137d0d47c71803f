#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler and checks the
# version record (file and product version "1.00", as the numbers 1,0,0,0) and the icon.
set -euo pipefail
rc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-P -i "$rc" -O res -o "$work/app.res"
strings -e l "$work/app.res" >"$work/strings"

value_after() { grep -x -A1 "$1" "$work/strings" | tail -n 1; }
status=0
for field in FileVersion ProductVersion; do
  value=$(value_after "$field")
  if [ "$value" = "1.00" ]; then echo "ok: $field $value"; else echo "FAIL: $field is '$value'"; status=1; fi
done
# VS_FIXEDFILEINFO: its signature, then the file and product versions as 1.0.0.0.
od -An -tx1 -v "$work/app.res" | tr -d ' \n' >"$work/hex"
if grep -q 'bd04effe0000010000000100000000000000010000000000' "$work/hex"; then
  echo "ok: numeric versions 1,0,0,0"
else
  echo "FAIL: numeric versions"; status=1
fi
# The icon's 256-pixel image is stored as a PNG inside it.
if grep -q '89504e470d0a1a0a' "$work/hex"; then echo "ok: icon"; else echo "FAIL: no icon"; status=1; fi
[ $status -eq 0 ] && echo "windows resources: 4 passed, 0 failed"
exit $status
