#!/usr/bin/env bash
# Has another client destroy the program's window on a private X server, as
# `xdotool windowclose` does, and expects the program to end within a second, with the
# status of an ordinary close.
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/x-session.sh"

"$program" &
app=$!
x_session_pids+=("$app")
window=$(await_window 'Велтаро$')

xdotool windowclose "$window"
for _ in $(seq 10); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$app" 2>/dev/null || fail "the program went on for a second after its window was destroyed"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "destroyed window: 1 passed, 0 failed"
