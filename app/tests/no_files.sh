#!/usr/bin/env bash
# Runs a short session (type, calculate, clear, close) under strace on a private X server
# and fails if the program creates or opens a file for writing, removes or renames one,
# starts another program, or connects anywhere but the X server and the session bus.
#
# Known exceptions, each from the platform underneath, not from the program:
# - /dev/null opened read-write: harmless, nothing is stored.
# - failed starts of dbus-launch: with no session bus in the environment (as here, never
#   in a desktop session), the D-Bus library tries to autolaunch one; dbus-launch is not
#   installed here, and a start that succeeded would fail this test.
# - fontconfig writes its cache only when the system's font cache is out of date; the
#   system cache is current here, so any such write fails this test too.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/../../scripts/x-session.sh"
export HOME=$x_session_work/home  # an empty home: nothing there to read or to update
mkdir -p "$HOME"
trace=$x_session_work/trace

strace -f -qq -o "$trace" \
  -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,linkat,symlink,symlinkat,truncate,connect,execve \
  "$program" &
tracer=$!
x_session_pids+=("$tracer")
window=$(await_window 'Велтаро$')

type_into() { xdotool mousemove --window "$window" "$1" "$2" click 1 type --delay 20 "$3"; }
type_into 404 45 45
type_into 404 85 60
xdotool mousemove --window "$window" 256 172 click 1  # Изчисли
xdotool mousemove --window "$window" 384 172 click 1  # Изчисти
"$close_window" "$window"
await bash -c "! kill -0 $tracer" || fail "the program did not end when its window closed"

violations=$(awk '
  { count = split($0, parts, " = "); result = count > 1 ? parts[count] + 0 : -1 }
  /(open|openat|creat)\(/ && /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|creat\(/ &&
      result >= 0 && !/"\/dev\/null"/ { print; next }
  /(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|link|linkat|symlink|symlinkat|truncate)\(/ &&
      result == 0 { print; next }
  /execve\(/ && result == 0 && ++programs > 1 { print; next }
  /connect\(/ && !/sun_path=@?"\/tmp\/\.X11-unix\/X[0-9]+"/ &&
      !/sun_path=@?"(\/run\/user\/[0-9]+\/bus|\/tmp\/dbus-[^"]+)"/ { print; next }
' "$trace")
if [ -n "$violations" ]; then
  echo "$violations"
  fail "the program touched the file system or the network"
fi
echo "no files: $(wc -l <"$trace") system calls checked; 1 passed, 0 failed"
