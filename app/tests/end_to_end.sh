#!/usr/bin/env bash
# Drives the built program on a private X server with real X events: finds its window by
# title, checks its size, types two numbers, clicks "Изчисли" and reads the result back
# through the clipboard, then closes the window and expects the program to end.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/../../scripts/x-session.sh"

"$program" &
app=$!
x_session_pids+=("$app")
window=$(await_window '^www\.veltaro\.bg Велтаро$')

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH x $HEIGHT" = "461 x 345" ] || fail "window is $WIDTH x $HEIGHT, not 461 x 345"

# Centres of the part and whole boxes, the calculate button and the result box.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
click 404 45
xdotool type --delay 20 45
click 404 85
xdotool type --delay 20 60
click 256 172
click 404 125
xdotool key ctrl+a ctrl+c
await test "$(xclip -o -selection clipboard 2>/dev/null)" = "75%" ||
  fail "result read back as '$(xclip -o -selection clipboard 2>/dev/null)', not 75%"

"$close_window" "$window"
await bash -c "! kill -0 $app" || fail "the program did not end when its window closed"
echo "end-to-end: 1 passed, 0 failed"
