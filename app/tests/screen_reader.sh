#!/usr/bin/env bash
# A blind student works the program by keyboard under Orca, on a private X server and
# session bus of the test's own, and the test reads what Orca says from the speech log:
# the window and help text as it opens, each box by its label as the Tab key reaches it,
# after Space on "Изчисли", the result, with the focus still on the button; after Enter
# there, the result again; and, from no mode selected, the mode an arrow key reaches, as
# selected.
set -euo pipefail
here=$(dirname "$0")
source "$here/../../scripts/own-process-space.sh" "$@"
program=$1
source "$here/../../scripts/x-session.sh"
source "$here/../../scripts/accessibility-session.sh"
source "$here/../../scripts/screen-reader-session.sh"

start_in_locale bg_BG.UTF-8 "$program"
activate "$window"
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
press space 'КПД % 75%'
press Return 'КПД % 75%'
# The result twice, and no other control between: the focus stayed on the button. Orca 48
# says "notification" before a notification's text.
after=$(tail -n "+$((before + 1))" "$speech" | grep -v '^space\|^return\|^notification$' || true)
[ "$(echo "$after" | wc -l)" -eq 2 ] || fail "after Изчисли Orca said: $(echo "$after" | tr '\n' '|')"
press shift+Tab '^КПД %'
press shift+Tab '^подадена енергия'
press shift+Tab '^изходяща енергия'
press shift+Tab '^КПД'
before=$(spoken)
press Down '^рандеман'
# Orca names the option, then its role and state, in Orca's own words.
await_speech 'selected radio button' "$before"
said=$(tail -n "+$((before + 1))" "$speech" | tr '\n' ' ')
case "$said" in
  *"not selected"*) fail "the arrow only moved to рандеман: Orca said $said" ;;
esac
passed=$((passed + 1))
echo "screen reader: $((passed + 1)) passed, 0 failed"
