#!/usr/bin/env bash
# A blind student works the program by keyboard under Orca, on a private X server and
# session bus of the test's own, and the test reads what Orca says from the speech log:
# the window and help text as it opens, each box by its label as the Tab key reaches it,
# and, after Space on "Изчисли", the result, with the focus still on the button.
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/../../scripts/x-session.sh"
source "$here/../../scripts/accessibility-session.sh"
source "$here/../../scripts/screen-reader-session.sh"

start_in_locale bg_BG.UTF-8 "$program"
xdotool windowactivate --sync "$window"
await_speech '^Задачата и използваните термини' 0
passed=1
press Tab '^КПД'
press Tab '^изходяща енергия'
press 'type 45' '^5'
press Tab '^подадена енергия'
press 'type 60' '^0'
press Tab '^КПД %'
press Tab '^Изчисли'
before=$(spoken)
press space '75%'
# The result, and no other control: the focus stays on the button.
sleep 1
after=$(tail -n "+$((before + 1))" "$speech" | grep -v '^space' || true)
[ "$(echo "$after" | wc -l)" -eq 1 ] || fail "after Изчисли Orca said: $(echo "$after" | tr '\n' '|')"
echo "screen reader: $((passed + 1)) passed, 0 failed"
