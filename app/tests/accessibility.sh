#!/usr/bin/env bash
# Runs the program on a private X server with a session bus and an accessibility bus of
# its own, under a Persian locale (whose right-to-left writing must not mirror the
# window), and reads and works it as a screen reader does (accessibility_test.py).
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/../../scripts/x-session.sh"
source "$here/../../scripts/accessibility-session.sh"

start_in_locale fa_IR.UTF-8 "$program"
# The keyboard's focus, as a click into the window would give it.
focus "$window"
/usr/bin/python3 "$here/accessibility_test.py"
