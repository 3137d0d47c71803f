#!/usr/bin/env bash
# Starts the program where it cannot show its window: with no display named, with an X
# display that no server answers on, on Wayland with no compositor or with no runtime
# folder to find one in, and on Wayland with no Qt plugin for it. Each time it must say in one line that it needs a graphical desktop
# and which display it tried or which plugin is missing, print nothing else, and end with
# exit status 1: no abort, no core dump.
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/test-session.sh"
out=$x_session_work/out
err=$x_session_work/err

# An X display number that no server holds, kept from any server that starts meanwhile by
# a lock file of this test's own, made only where there is none (as X servers make theirs).
lock=
for number in $(seq 90 199); do
  [ ! -e "/tmp/.X11-unix/X$number" ] || continue
  if (set -C && printf '%10d\n' $$ >"/tmp/.X$number-lock") 2>/dev/null; then
    lock=/tmp/.X$number-lock
    break
  fi
done
[ -n "$lock" ] || fail "no free X display number from 90 to 199"
trap 'rm -f "$lock"; x_session_cleanup' EXIT

passed=0
says_it_cannot_start() {  # why, what the line must name, environment...
  local why=$1 display=$2 status=0
  shift 2
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_PLUGIN_PATH "$@" "$program" \
    >"$out" 2>"$err" || status=$?
  [ "$status" -eq 1 ] || fail "$why: exit status $status, not 1: $(cat "$err")"
  [ "$(wc -l <"$err")" -eq 1 ] || fail "$why: not one line: $(cat "$err")"
  grep -q '^Велтаро се нуждае от графичен работен плот: ' "$err" ||
    fail "$why: does not say it needs a graphical desktop: $(cat "$err")"
  grep -qF "$display" "$err" || fail "$why: does not name $display: $(cat "$err")"
  [ ! -s "$out" ] || fail "$why: printed $(cat "$out")"
  passed=$((passed + 1))
}
says_it_cannot_start "no display" "DISPLAY е празна"
says_it_cannot_start "a dead X display" "X11 „:$number“" DISPLAY=":$number"
says_it_cannot_start "no compositor" "Wayland „veltaro-none“" \
  QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=veltaro-none
# libwayland would say in English that it has no runtime folder, before the program could.
says_it_cannot_start "no runtime folder" "XDG_RUNTIME_DIR не е зададена" \
  -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=wayland
says_it_cannot_start "no runtime folder, then no X display" "DISPLAY е празна" \
  -u XDG_RUNTIME_DIR "QT_QPA_PLATFORM=wayland;xcb"

# A copy of the program whose qt.conf sends Qt to a plugin folder of its own, with no
# platform plugin in it: to Qt, as if qt6-wayland were not installed.
lacking=$x_session_work/lacking
mkdir -p "$lacking/plugins"
cp "$program" "$lacking/"
printf '[Paths]\nPlugins=plugins\n' >"$lacking/qt.conf"
program=$lacking/$(basename "$program")
says_it_cannot_start "no Wayland plugin" "липсва приставката на Qt за Wayland от пакета qt6-wayland" \
  QT_QPA_PLATFORM=wayland
! grep -q 'не отговаря' "$err" || fail "no Wayland plugin: blames the display: $(cat "$err")"
echo "no display: $passed passed, 0 failed"
