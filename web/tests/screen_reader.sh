#!/usr/bin/env bash
# A blind student works the page by keyboard under Orca, in Chromium with its accessibility
# on, on a private X server and session bus of the test's own, and the test reads what Orca
# says from the speech log: each result whole ("76.67%" after "75%", never the digits that
# changed), the same result again when Изчисли is pressed again, and the error report.
set -euo pipefail
page=$(realpath "$1")
here=$(dirname "$0")
source "$here/../../scripts/x-session.sh"
source "$here/../../scripts/accessibility-session.sh"
# Chromium offers its pages to a screen reader once the accessibility bus says it is on.
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
  string:IsEnabled variant:boolean:true >/dev/null || fail "the accessibility bus did not start"
source "$here/../../scripts/screen-reader-session.sh"

# The browser in a process group of its own, which ends whole with the test.
browser_group=""
trap '[ -z "$browser_group" ] || kill -- "-$browser_group" 2>/dev/null || true; x_session_cleanup' EXIT
sandbox=()
[ "$(id -u)" -ne 0 ] || sandbox=(--no-sandbox) # Chromium's sandbox refuses to run as root
setsid /usr/lib/chromium/chromium "${sandbox[@]}" --force-renderer-accessibility \
  --user-data-dir="$x_session_work/chromium" --no-first-run --no-default-browser-check \
  --disable-background-networking --disable-component-update --disable-sync \
  --disable-dev-shm-usage --disable-gpu --lang=en-US --accept-lang=en-US \
  --window-position=0,0 --window-size=900,700 "file://$page" \
  >"$x_session_work/chromium.log" 2>&1 &
browser_group=$!
window=$(await_window 'Велтаро')
activate "$window"
# The program has taken the window over, with the focus on the help text: Orca goes into
# focus mode there, or, where the page finished loading after the focus came, reads it.
await_speech '^Focus mode\|^read only' 0 30
passed=1
press Tab 'КПД'
press Tab 'изходяща енергия'
xdotool type 45
press Tab 'подадена енергия'
xdotool type 60
press Tab 'КПД %'
press Tab 'Изчисли'
press Return '75%'
# Another part: the whole new result is heard, not only the digits that changed.
press 'shift+Tab' 'КПД %'
press 'shift+Tab' 'подадена енергия'
press 'shift+Tab' 'изходяща енергия'
xdotool key ctrl+a
xdotool type 46
press Tab 'подадена енергия'
press Tab 'КПД %'
press Tab 'Изчисли'
press Return 'КПД % 76\.67%'
press Return 'КПД % 76\.67%'
# A number too large for the calculation: the report is heard.
press 'shift+Tab' 'КПД %'
press 'shift+Tab' 'подадена енергия'
press 'shift+Tab' 'изходяща енергия'
xdotool key ctrl+a
xdotool type 1e999
press Tab 'подадена енергия'
press Tab 'КПД %'
press Tab 'Изчисли'
press Return 'Грешка 6: Overflow'
echo "screen reader (page): $passed passed, 0 failed"
