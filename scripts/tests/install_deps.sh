#!/usr/bin/env bash
# install-deps against stand-ins for apt-get, sudo, dpkg, dpkg-query and id on PATH, which
# record every call: with nothing missing it calls no package manager and prints nothing;
# with something missing it installs just that, through sudo when not root, and waits for
# a lock another package manager holds.
set -euo pipefail
script=$(cd "$(dirname "$0")/.." && pwd)/install-deps
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
calls=$work/calls

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

stand_in() {  # name, body
  printf '#!/usr/bin/env bash\necho "%s $*" >>"%s"\n%s\n' "$1" "$calls" "$2" >"$work/bin/$1"
  chmod +x "$work/bin/$1"
}
# Every package asked about is installed, but those named in $MISSING.
cat >"$work/bin/dpkg-query" <<'SH'
#!/usr/bin/env bash
for argument in "$@"; do
  case "$argument" in -*) continue ;; esac
  if [[ " $MISSING " == *" $argument "* ]]; then echo "$argument not-installed"; else echo "$argument installed"; fi
done
SH
chmod +x "$work/bin/dpkg-query"
stand_in id 'echo "${USER_ID:-1000}"'
stand_in sudo '"$@"'
stand_in dpkg ''
stand_in sleep ''
# The first install while $LOCKED is set finds the lock held.
stand_in apt-get '
if [ -n "${LOCKED:-}" ] && [ ! -e "'"$work"'/unlocked" ] && [[ " $* " == *" install "* ]]; then
  touch "'"$work"'/unlocked"
  echo "E: Could not get lock /var/lib/dpkg/lock-frontend" >&2
  exit 100
fi'

run() {  # expected status, arguments...
  local expected=$1
  shift
  : >"$calls"
  rm -f "$work/unlocked"
  set +e
  PATH="$work/bin:$PATH" "$script" "$@" >"$work/out" 2>&1
  status=$?
  set -e
  [ "$status" -eq "$expected" ] ||
    fail "install-deps $* ended with $status, not $expected: $(cat "$work/out")"
}

for user in 1000 0; do
  for arguments in "" build "build check windows web"; do
    # shellcheck disable=SC2086
    USER_ID=$user MISSING="" run 0 $arguments
    [ ! -s "$work/out" ] || fail "install-deps $arguments printed with nothing missing: $(cat "$work/out")"
    ! grep -v '^id ' "$calls" || fail "install-deps $arguments called a package manager with nothing missing"
  done
done

USER_ID=1000 MISSING="qt6-base-dev orca" run 0 build
grep -qx 'sudo apt-get -o DPkg::Lock::Timeout=600 update -qq' "$calls" ||
  fail "the package lists were not brought up to date through sudo: $(cat "$calls")"
grep -qx 'sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends qt6-base-dev' "$calls" ||
  fail "not just the missing package of the build was installed: $(cat "$calls")"

USER_ID=0 MISSING="orca" run 0 build check
! grep -q '^sudo' "$calls" || fail "root went through sudo: $(cat "$calls")"
grep -qx 'apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends orca' "$calls" ||
  fail "the missing package of the checks was not installed: $(cat "$calls")"

USER_ID=0 MISSING="chromium" LOCKED=1 run 0 web
[ "$(grep -c ' install ' "$calls")" -eq 2 ] || fail "a held lock was not waited for: $(cat "$calls")"
grep -q 'waiting for another package manager' "$work/out" || fail "the wait was not said"

run 2 everything
grep -q 'no group "everything"' "$work/out" || fail "an unknown group was not named"
echo "install-deps: all checks passed"
