#!/usr/bin/env bash
# Starts the program on a private X server under locales that are not UTF-8 (C, POSIX,
# Latin-1) and one that is, and reads the window's old-style title, WM_NAME, as a tool or
# window manager that reads it does: the program's title, or none, never mojibake.
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/x-session.sh"

# A Latin-1 locale of the test's own, wherever this machine has none.
export LOCPATH=$x_session_work/locales
mkdir -p "$LOCPATH"
localedef -i en_US -f ISO-8859-1 "$LOCPATH/en_US.ISO-8859-1" 2>/dev/null ||
  fail "the tool: localedef could not make a Latin-1 locale"

title='www.veltaro.bg Велтаро'
passed=0
for locale in C POSIX en_US.ISO-8859-1 C.UTF-8; do
  LC_ALL=$locale "$program" &
  app=$!
  x_session_pids+=("$app")
  # Found by its process, not by the title under test.
  await xdotool search --onlyvisible --pid "$app" || fail "under $locale, no window showed"
  window=$(xdotool search --onlyvisible --pid "$app" | head -n 1)
  # xprop writes what it reads in its own locale's encoding: UTF-8.
  legacy=$(LC_ALL=C.UTF-8 xprop -id "$window" WM_NAME)
  case "$legacy" in
    "WM_NAME(STRING) = \"$title\"" | "WM_NAME(COMPOUND_TEXT) = \"$title\"" | *"not found"*) ;;
    *) fail "under $locale, WM_NAME is not the title: $legacy" ;;
  esac
  kill "$app"
  wait "$app" 2>/dev/null || true
  passed=$((passed + 1))
done
echo "legacy title: $passed passed, 0 failed"
