# Sourced by the signing tests: certificate makes a throwaway certificate, its own issuer,
# and its key in $work as NAME.pem and NAME.key.
certificate() {  # name, purpose, subject
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$3" \
    -keyout "$work/$1.key" -out "$work/$1.pem" \
    -addext "extendedKeyUsage=critical,$2" -addext "keyUsage=critical,digitalSignature" \
    2>/dev/null || fail "openssl cannot make the $1 certificate"
}
