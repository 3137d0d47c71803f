# Sourced by the tests that drive the Windows program $program under Wine as a user does,
# with real X events on a private X server (see wine_display_session.sh): start it, click,
# type, read a box back through the clipboard, calculate, close it; check counts what
# passed.
source "$(dirname "${BASH_SOURCE[0]}")/wine_display_session.sh"

passed=0
check() {  # description, actual, expected
  [ "$2" = "$3" ] || fail "$1: '$2', not '$3'"
  passed=$((passed + 1))
}

start() {  # locale
  LANG=$1 wine "$program" &
  app=$!
  x_session_pids+=("$app")
  window=$(await_window '^www\.veltaro\.bg Велтаро$')
  focus "$window"
}

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# Centres of the controls, in the client area.
part=(404 45) whole=(404 85) result=(404 125) calculate=(256 172) clear=(384 172)

# A box's text, read as a user would: select all, copy, look at the clipboard, which holds
# a marker until the copy has replaced it. An empty box copies nothing, and reads as the
# marker.
clipboard_marker='(nothing copied)'
clipboard() { timeout 2 xclip -o -selection clipboard 2>/dev/null || true; }
copied() { [ "$(clipboard)" != "$clipboard_marker" ]; }
read_box() {  # x y
  printf '%s' "$clipboard_marker" | xclip -selection clipboard >/dev/null 2>&1
  click "$@"
  xdotool key ctrl+a ctrl+c
  await copied || true
  clipboard
}
# Checks that the box at x y reads the text: copies it until it does, a few times, as the
# program may still be writing it.
check_box() {  # description, x, y, text
  local text
  for _ in 1 2 3 4 5; do
    text=$(read_box "$2" "$3")
    [ "$text" != "$4" ] || break
  done
  check "$1" "$text" "$4"
}
# Checks that the box at x y shows no text: its inside one colour in the window's pixels.
box_blank() {  # x y
  import -window "$window" "$x_session_work/box.png" &&
    [ "$(convert "$x_session_work/box.png" -crop "75x13+$(($1 - 37))+$(($2 - 6))" -format %k info:)" = 1 ]
}
check_empty_box() {  # description, x, y
  await box_blank "$2" "$3" || fail "$1: the box shows text"
  passed=$((passed + 1))
}
# What the box at x y holds after the text is pasted over all it held. Wine learns of a new
# owner of the clipboard in its own time, and a paste before then gives what it last knew:
# the paste is made again, a few times, until what it gave begins as the text does.
paste_into() {  # x y text
  local text
  for _ in 1 2 3 4 5; do
    printf '%s' "$3" | xclip -selection clipboard >/dev/null 2>&1
    click "$1" "$2"
    xdotool key ctrl+a ctrl+v
    text=$(read_box "$1" "$2")
    [ "${text:0:1}" != "${3:0:1}" ] || break
  done
  printf '%s' "$text"
}
type_into() {  # x y text
  click "$1" "$2"
  xdotool key ctrl+a
  xdotool type --delay 20 "$3"
}
calculate() {
  type_into "${part[@]}" "$1"
  type_into "${whole[@]}" "$2"
  click "${calculate[@]}"
}
close() {
  focus "$window"
  xdotool key alt+F4
  await bash -c "! kill -0 $app" || fail "the program did not end when its window closed"
  wait "$app" || fail "the program ended with status $?"
}
