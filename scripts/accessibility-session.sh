# Sourced after test-session.sh or x-session.sh: starts a private session bus and turns
# on screen-reader support there, as a screen reader does, so that the bus starts the
# accessibility bus and the program offers itself on it. Everything the bus starts ends
# with it.

# The accessibility bus stores the setting with dconf, in a home of the session's own.
mkdir -p "$x_session_work/bus-home"
HOME=$x_session_work/bus-home dbus-daemon --session --nofork --print-address=3 \
  3>"$x_session_work/bus" 2>/dev/null &
x_session_pids+=($!)
await test -s "$x_session_work/bus" || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$x_session_work/bus")
export DBUS_SESSION_BUS_ADDRESS
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
  string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
  fail "the accessibility bus did not start"
