#!/usr/bin/env bash
# Starts the program on Wayland under a headless weston of its own, with no X server, and
# reads what the window asks of the compositor (Wayland's own protocol log) and what its
# title bar offers (AT-SPI): it stays up, keeps one fixed size with no margins for a
# title bar of Qt's, never loads Qt's own title bar, which would offer to maximise and
# minimise, and closes by its own close button.
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/../../scripts/test-session.sh"
source "$here/../../scripts/accessibility-session.sh"

weston --backend=headless-backend.so --use-pixman --socket=veltaro-test --idle-time=0 \
  --no-config --log="$x_session_work/weston.log" &
x_session_pids+=($!)
await test -S "$XDG_RUNTIME_DIR/veltaro-test" || fail "weston did not start"

protocol=$x_session_work/protocol
# Qt's Wayland plugin leaves some of its protocol objects to the end of the process, which
# LeakSanitizer, in the sanitized build, would count as the program's; the X11 tests
# check the program's own memory.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=veltaro-test WAYLAND_DEBUG=client \
  ASAN_OPTIONS=detect_leaks=0 "$program" 2>"$protocol" &
app=$!
x_session_pids+=("$app")
# libwayland names an object "xdg_surface@14" in its log up to 1.22, "xdg_surface#14" from 1.23.
object='[a-z0-9_]+[@#][0-9]+'
await grep -q -E "xdg_surface[@#][0-9]+\.set_window_geometry" "$protocol" || {
  grep -q -E "$object\." "$protocol" ||
    fail "the tool: libwayland's log names no object as it did: $(head -n 3 "$protocol")"
  fail "the program: the window never showed: $(grep -v '^\[' "$protocol" | head -n 5)"
}
# Shown: a frame drawn into a buffer, and the compositor's word that it has been presented.
presented() {
  awk '/\.attach\(wl_buffer[@#]/ { drawn = 1 } drawn && /wl_callback[@#][0-9]+\.done\(/ { shown = 1 }
    END { exit !shown }' "$protocol"
}
await presented || fail "the window never showed: $(grep -v '^\[' "$protocol" | head -n 5)"
kill -0 "$app" 2>/dev/null || fail "the program ended by itself"
passed=1

last() { grep -o "$1([0-9, ]*)" "$protocol" | tail -n 1; }
size='461, 375'  # the client area and the window's own title bar
[ "$(last set_min_size)" = "set_min_size($size)" ] || fail "$(last set_min_size)"
[ "$(last set_max_size)" = "set_max_size($size)" ] || fail "$(last set_max_size)"
[ "$(last set_window_geometry)" = "set_window_geometry(0, 0, $size)" ] ||
  fail "a title bar of Qt's around the window: $(last set_window_geometry)"
! grep -q 'libbradient' "/proc/$app/maps" || fail "Qt's own title bar was loaded"
passed=$((passed + 3))

/usr/bin/python3 "$here/title_bar_test.py"
await bash -c "! kill -0 $app 2>/dev/null" || fail "the close button did not end the program"
wait "$app" || fail "the program ended with status $?"
echo "wayland: $((passed + 1)) passed, 0 failed"
