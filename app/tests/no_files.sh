#!/usr/bin/env bash
# Runs a short session (type, calculate, clear, close) under strace on a private X server,
# with and without a session bus and with and without a runtime directory, and fails if the
# program creates, writes or removes a file, starts another program, leaves a process
# running, binds a socket, or connects anywhere but the X server and the session bus it is
# given. D-Bus's launcher (dbus-launch) is installed, so a bus started for want of one
# would show. A given bus is a private dbus-daemon of this test's, stopped at the end.
#
# Known exceptions, each from the platform underneath, not from the program:
# - /dev/null opened read-write: harmless, nothing is stored.
# - the C library's name service cache (nscd), asked for the user's name when there is no
#   runtime directory: a read of the user database, if nscd runs at all.
# - failed attempts (a directory that is there already, a file that is not): nothing made.
# - fontconfig writes its cache only when the system's font cache is out of date; the
#   system cache is current here, so any such write fails this test too.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/../../scripts/x-session.sh"
command -v dbus-launch >/dev/null || fail "dbus-launch is not installed: scripts/install-deps"
x_server="/tmp/.X11-unix/X${DISPLAY#:}"
passed=0
calls=0

# The system calls that make, change or remove a file when they succeed (a bound socket
# is one too), and those that open a file, reach out of the process or start a program.
changes=mkdir,mkdirat,mknod,mknodat,rename,renameat,renameat2,unlink,unlinkat,rmdir,link
changes+=,linkat,symlink,symlinkat,truncate,chmod,fchmodat,chown,lchown,fchownat,utimensat,bind
traced=$changes,open,openat,creat,connect,execve

# Prints each traced call that breaks the rules; a given bus may be connected to.
violations() {
  awk -v x_server="$x_server" -v bus="$2" -v changes="$changes" '
    BEGIN { gsub(/,/, "|", changes); changes = "(^|[^a-z])(" changes ")\\(" }
    function allowed(path) {
      return path == x_server || (bus != "" && path == bus) || path ~ /^(\/var)?\/run\/nscd\/socket$/
    }
    { count = split($0, parts, " = "); result = count > 1 ? parts[count] + 0 : -1 }
    /(open|openat|creat)\(/ && /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|creat\(/ &&
        result >= 0 && !/"\/dev\/null"/ { print; next }
    $0 ~ changes && result == 0 { print; next }
    /execve\(/ && result == 0 && ++programs > 1 { print; next }
    /connect\(/ {
      path = ""
      if (match($0, /sun_path=@?"[^"]*"/)) {
        path = substr($0, RSTART, RLENGTH)
        sub(/^sun_path=@?"/, "", path)
        sub(/"$/, "", path)
      }
      if (!allowed(path)) print
    }
  ' "$1"
}

type_into() { xdotool mousemove --window "$1" "$2" "$3" click 1 type --delay 20 "$4"; }

# One session: a fresh home and temporary directory; a runtime directory if asked for;
# a session bus given in the environment, or as the user's bus in the runtime directory,
# or none.
session() {
  local name=$1 bus_given=$2 runtime=$3
  local work
  work=$(mktemp -d "$x_session_work/session.XXXX")
  mkdir "$work/home" "$work/tmp"
  local -a environment=(HOME="$work/home" TMPDIR="$work/tmp")
  local -a unset=(-u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR)
  if [ "$runtime" = yes ]; then
    mkdir -m 700 "$work/runtime"
    environment+=(XDG_RUNTIME_DIR="$work/runtime")
  fi
  local bus="" bus_daemon=""
  case "$bus_given" in
    environment) bus=$work/bus ;;
    runtime) bus=$work/runtime/bus ;;
  esac
  if [ -n "$bus" ]; then
    dbus-daemon --session --nofork --address="unix:path=$bus" 2>"$work/bus.log" &
    bus_daemon=$!
    x_session_pids+=("$bus_daemon")
    await test -S "$bus" || fail "$name: the test's session bus did not start"
    if [ "$bus_given" = environment ]; then
      environment+=(DBUS_SESSION_BUS_ADDRESS="unix:path=$bus")
    fi
  fi

  local trace=$work/trace
  env "${unset[@]}" "${environment[@]}" strace -f -qq -o "$trace" -e trace="$traced" \
    "$program" &
  local tracer=$!
  x_session_pids+=("$tracer")
  local window
  window=$(await_window 'Велтаро$')
  local app
  app=$(awk '{ print $1; exit }' "$trace")

  type_into "$window" 404 45 45
  type_into "$window" 404 85 60
  xdotool mousemove --window "$window" 256 172 click 1  # Изчисли
  xdotool mousemove --window "$window" 384 172 click 1  # Изчисти
  "$close_window" "$window"
  await bash -c "! kill -0 $app" || fail "$name: the program did not end when its window closed"

  local problems=""
  # strace ends when the last process it follows does.
  if ! await bash -c "! kill -0 $tracer"; then
    local left
    left=$(ps -o pid=,args= -p "$(awk '{ print $1 }' "$trace" | sort -u | paste -sd,)" || true)
    for pid in $(awk '{ print $1 }' <<<"$left"); do x_session_pids+=("$pid"); done
    problems+=$'\n'"it left processes running:"$'\n'"$left"
  fi
  local found
  found=$(violations "$trace" "$bus")
  if [ -n "$found" ]; then
    problems+=$'\n'"it touched the file system or the network:"$'\n'"$found"
  fi
  if [ -n "$bus" ]; then
    if ! grep -q "connect(.*sun_path=\"$bus\".* = 0" "$trace"; then
      problems+=$'\n'"it did not use the session bus it was given"
    fi
    if [ -n "$(ps -o pid= --ppid "$bus_daemon")" ]; then
      problems+=$'\n'"the session bus started a service for it"
    fi
    kill "$bus_daemon"
    wait "$bus_daemon" 2>/dev/null || true
  fi
  [ -z "$problems" ] || fail "$name:$problems"
  calls=$((calls + $(wc -l <"$trace")))
  passed=$((passed + 1))
}

session "no session bus, no runtime directory" none no
session "no session bus, a runtime directory" none yes
session "a session bus in the environment, no runtime directory" environment no
session "a session bus in the environment, and a runtime directory" environment yes
session "the user's bus in the runtime directory" runtime yes
echo "no files: $calls system calls checked; $passed passed, 0 failed"
