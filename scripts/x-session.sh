# Sourced by the scripts that run the program on a private X server of their own.
# Starts Xvfb and exports DISPLAY; provides await_window and what test-session.sh does.

source "$(dirname "${BASH_SOURCE[0]}")/test-session.sh"

# The id of the program's window, once it is shown: a browser also has unmapped windows of
# the same name, which no window manager can activate.
await_window() {
  await xdotool search --onlyvisible --name "$1" || fail "no window named $1 is shown"
  xdotool search --onlyvisible --name "$1" | head -n 1
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
