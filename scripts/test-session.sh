# Sourced by the scripts that start servers of their own (an X server, a session bus, a
# compositor): a private work folder and runtime folder, and the cleanup of everything
# started; provides await, fail and x_session_start.

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

# Polls a command until it succeeds; fails after thirty seconds, time enough for a program
# to start on a loaded machine, and only spent where something is wrong.
await() {
  local deadline=$((SECONDS + 30))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Starts a command in the background; it is ended with the session.
x_session_start() {
  "$@" &
  x_session_pids+=($!)
}

export XDG_RUNTIME_DIR="$x_session_work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
