# Sourced by the scripts that run the program on a private X server of their own.
# Starts Xvfb and exports DISPLAY; provides await_window and what test-session.sh does.

source "$(dirname "${BASH_SOURCE[0]}")/test-session.sh"

# The first shown window whose title matches, as a window manager reads the title (UTF-8
# _NET_WM_NAME): xdotool's search matches WM_NAME, whose Cyrillic it reads only in a UTF-8
# locale, and which Wine 10 writes for an unmanaged window with "?" for each Cyrillic letter.
shown_window_named() {
  local window
  for window in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    xdotool getwindowname "$window" 2>/dev/null | LC_ALL=C.UTF-8 grep -q -i -E "$1" || continue
    echo "$window"
    return 0
  done
  return 1
}

# The id of the program's window, once it is shown: a browser also has unmapped windows of
# the same name, which no window manager can activate.
await_window() {
  await shown_window_named "$1" || fail "no window named $1 is shown"
  shown_window_named "$1"
}

# Has the window manager give the window the focus, and waits until it has, for a while.
activate() {
  timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
    fail "the window manager did not activate the window"
}

# Gives the window the keyboard's focus and waits until it has it, for a while.
focus() {
  await timeout 10 xdotool windowfocus --sync "$1" || fail "the window never took the focus"
}

# Starts the program under a locale, to end with the session; sets $window once it shows.
start_in_locale() {  # locale, program
  LC_ALL=$1 "$2" &
  x_session_pids+=($!)
  window=$(await_window '^www\.veltaro\.bg ')
}

# -noreset: what a test sets on the root window lasts until the test ends, not only while
# some client is connected.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$x_session_work/display" 2>/dev/null &
x_session_pids+=($!)
await test -s "$x_session_work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$x_session_work/display")"
