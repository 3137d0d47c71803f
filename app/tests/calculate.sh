# Sourced by the tests that drive the window with real X events: types a part and a whole
# into their boxes, clicks "Изчисли" and awaits the result read back through the clipboard.
# Needs await and fail (test-session.sh).

# Centres of the part and whole boxes, the calculate button and the result box.
calculate() {  # window, part, whole, expected result
  local window=$1
  click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
  click 404 45
  xdotool type --delay 20 "$2"
  click 404 85
  xdotool type --delay 20 "$3"
  click 256 172
  click 404 125
  xdotool key ctrl+a ctrl+c
  result_copied() { test "$(xclip -o -selection clipboard 2>/dev/null)" = "$1"; }
  await result_copied "$4" ||
    fail "result read back as '$(xclip -o -selection clipboard 2>/dev/null)', not $4"
}
