#!/usr/bin/env bash
# Drives the built program on a private X server with real X events: finds its window by
# title, checks its size and the icons it offers, types two numbers, clicks "Изчисли" and reads the result back
# through the clipboard, then closes the window and expects the program to end. Then starts
# it again and has another client destroy its window, as `xdotool windowclose` does, and
# expects it to end just the same.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/../../scripts/x-session.sh"
source "$(dirname "$0")/calculate.sh"

start() {
  "$program" &
  app=$!
  x_session_pids+=("$app")
  window=$(await_window '^www\.veltaro\.bg Велтаро$')
}

# The program ends, with the status of an ordinary close.
expect_end() {  # after what
  await bash -c "! kill -0 $app 2>/dev/null" || fail "the program went on after $1"
  local status=0
  wait "$app" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
}

start
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH x $HEIGHT" = "461 x 345" ] || fail "window is $WIDTH x $HEIGHT, not 461 x 345"
# The window manager is offered the icon in every size of the icon theme's (xprop reads
# past 250 kB only when told), once the first frame is drawn.
icons() { xprop -len 1048576 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' '; }
every_size=$(for side in 16 22 24 32 48 64 128 256; do printf 'Icon (%s x %s) ' "$side" "$side"; done)
offers_every_size() { test "$(icons)" = "$every_size"; }
await offers_every_size || fail "the window's icons: $(icons)"

calculate "$window" 45 60 75%

"$close_window" "$window"
expect_end "its window closed"

start
xdotool windowclose "$window"
expect_end "another client destroyed its window"
echo "end-to-end: 3 passed, 0 failed"
