#!/usr/bin/env bash
# Signs copies of the Windows program and installer as the build does where it is given a
# certificate (packaging/windows/sign), with a throwaway one made here, and verifies both
# signatures: without a timestamp server, and with one, this machine's own. Without a
# certificate the files stay as they are, and a certificate without its key is refused.
# Then the signed program starts under Wine.
# usage: signing.sh PROGRAM INSTALLER
set -euo pipefail
tests=$(cd "$(dirname "$0")" && pwd)
sign=$tests/../sign
source "$tests/../../../win32/tests/program_driver.sh"
work=$x_session_work

# A code-signing certificate and a timestamp authority's, each its own issuer.
source "$tests/certificate.sh"
certificate signer codeSigning "Veltaro test signing"
certificate tsa timeStamping "Veltaro test timestamps"
echo 01 >"$work/serial"
cat >"$work/tsa.cnf" <<CONFIG
[ tsa ]
default_tsa = tsa_config
[ tsa_config ]
serial = $work/serial
signer_cert = $work/tsa.pem
signer_key = $work/tsa.key
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256
accuracy = secs:1
ess_cert_id_alg = sha256
CONFIG
python3 "$tests/timestamp_server.py" "$work/tsa.cnf" >"$work/port" &
x_session_pids+=($!)
await test -s "$work/port" || fail "the timestamp server did not start"

copies() {  # the program and the installer afresh, as built
  cp "$1" "$work/veltaro.exe"
  cp "$2" "$work/veltaro.msi"
}
signed() {  # settings...: signs both copies with them
  local file
  for file in "$work/veltaro.exe" "$work/veltaro.msi"; do
    env "$@" "$sign" "$file" || return 1
  done
}
verify() {  # file, what it must say
  osslsigncode verify -CAfile "$work/signer.pem" -TSA-CAfile "$work/tsa.pem" -in "$1" \
    >"$work/verified" 2>&1 || fail "$(basename "$1"): the signature does not verify: $(cat "$work/verified")"
  grep -q -F "$2" "$work/verified" || fail "$(basename "$1"): no \"$2\""
}

passed=0
copies "$@"
signed VELTARO_SIGNING_CERTIFICATE= VELTARO_SIGNING_KEY= || fail "signing without a certificate failed"
cmp -s "$work/veltaro.exe" "$1" && cmp -s "$work/veltaro.msi" "$2" ||
  fail "a file changed with no certificate given"
! signed VELTARO_SIGNING_CERTIFICATE="$work/signer.pem" VELTARO_SIGNING_KEY= 2>/dev/null ||
  fail "a certificate without its key was taken"
passed=$((passed + 2))

given=(VELTARO_SIGNING_CERTIFICATE="$work/signer.pem" VELTARO_SIGNING_KEY="$work/signer.key")
signed "${given[@]}" VELTARO_TIMESTAMP_URL= || fail "signing failed"
for file in veltaro.exe veltaro.msi; do
  verify "$work/$file" "Signature verification: ok"
  ! grep -q 'Timestamp time' "$work/verified" || fail "$file is timestamped with no server given"
  passed=$((passed + 1))
done

copies "$@"
signed "${given[@]}" VELTARO_TIMESTAMP_URL="http://127.0.0.1:$(cat "$work/port")" ||
  fail "signing with a timestamp failed"
for file in veltaro.exe veltaro.msi; do
  verify "$work/$file" "Timestamp Server Signature verification: ok"
  passed=$((passed + 1))
done

# The signed program is still one Windows loads.
wine_session_start
program=$work/veltaro.exe
mkdir -p "$WINEPREFIX/drive_c/signed"
cp "$program" "$WINEPREFIX/drive_c/signed/"
program='C:\signed\veltaro.exe'
start C.UTF-8
close
passed=$((passed + 1))
echo "windows signing: $passed passed, 0 failed"
