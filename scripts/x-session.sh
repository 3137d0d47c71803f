# Sourced by the scripts that run the program on a private X server of their own.
# Starts Xvfb, exports DISPLAY, and cleans up on exit; provides await, fail and
# await_window.

x_session_work=$(mktemp -d)
x_session_pids=()

x_session_cleanup() {
  kill "${x_session_pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$x_session_work"
}
trap x_session_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Polls a command until it succeeds, for at most ten seconds.
await() {
  for _ in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Starts a command in the background; it is ended with the session.
x_session_start() {
  "$@" &
  x_session_pids+=($!)
}

# The id of the program's window, once it is there.
await_window() {
  await xdotool search --name "$1" || fail "no window named $1"
  xdotool search --name "$1" | head -n 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$x_session_work/display" 2>/dev/null &
x_session_pids+=($!)
await test -s "$x_session_work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$x_session_work/display")"
export XDG_RUNTIME_DIR="$x_session_work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
