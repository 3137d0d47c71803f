#!/usr/bin/env bash
# A blind student works the page by keyboard under Orca, in one engine (chromium, firefox or
# webkit) with its accessibility on, on a private X server, session bus and process space of
# the test's own, and the test reads what Orca says from the speech log: each result whole,
# named by its label ("76.67%" after "75%", never the digits that changed), the same result
# again when Изчисли is pressed again, and the error report: its title, message and
# consequence. WebKitGTK (2.50, with Orca 43) passes no live region on to Orca: on a bare
# page neither role="status", nor aria-live="assertive", nor role="alert" (kept or newly
# inserted), nor role="log" was spoken, while an alert dialog was; there only the report
# is checked.
set -euo pipefail
here=$(dirname "$0")
source "$here/../../scripts/own-process-space.sh" "$@"
engine=$1
page=$(realpath "$2")
source "$here/../../scripts/x-session.sh"
source "$here/../../scripts/accessibility-session.sh"
# Chromium offers its pages to a screen reader once the accessibility bus says it is on.
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
  string:IsEnabled variant:boolean:true >/dev/null || fail "the accessibility bus did not start"
source "$here/../../scripts/screen-reader-session.sh"

profile=$x_session_work/$engine
mkdir -p "$profile"
case $engine in
  chromium)
    sandbox=()
    [ "$(id -u)" -ne 0 ] || sandbox=(--no-sandbox) # Chromium's sandbox refuses to run as root
    browser=(/usr/lib/chromium/chromium "${sandbox[@]}" --force-renderer-accessibility
      --user-data-dir="$profile" --no-first-run --no-default-browser-check
      --disable-background-networking --disable-component-update --disable-sync
      --disable-dev-shm-usage --disable-gpu --lang=en-US --accept-lang=en-US
      --window-position=0,0 --window-size=900,700 "file://$page")
    ;;
  firefox)
    # A profile that asks nothing on its first start and reaches no network.
    cat >"$profile/user.js" <<'PREFS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("startup.homepage_welcome_url", "");
user_pref("browser.startup.homepage_welcome_url", "");
user_pref("browser.startup.homepage_welcome_url.additional", "");
user_pref("browser.startup.page", 0);
user_pref("browser.newtabpage.enabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("network.proxy.type", 1);
user_pref("network.proxy.http", "127.0.0.1");
user_pref("network.proxy.http_port", 9);
user_pref("network.proxy.ssl", "127.0.0.1");
user_pref("network.proxy.ssl_port", 9);
user_pref("intl.accept_languages", "en-US");
PREFS
    browser=(firefox-esr --no-remote --new-instance --profile "$profile" --width 900
      --height 700 "file://$page")
    ;;
  webkit)
    browser=(/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser "file://$page")
    ;;
  *) fail "no engine $engine" ;;
esac
# Each engine offers itself to AT-SPI once the session asks for accessibility.
GNOME_ACCESSIBILITY=1 HOME=$profile "${browser[@]}" >"$x_session_work/browser.log" 2>&1 &
x_session_pids+=($!)
window=$(await_window 'Велтаро')
activate "$window"
# The program has taken the window over once the focus is on the help text. An engine may
# move the focus before the window is active, unheard: Orca's Where Am I (the keypad's
# Enter) says where it is, asked again until it names or reads the help text. WebKitGTK
# may not tell Orca of that focus at all: there Tab goes round until the first mode is
# named.
if [ "$engine" = webkit ]; then
  # Orca 48 (Debian 13) says the option's state and role on the same line as its name.
  press_until Tab '^КПД\( not selected radio button\)\?\.\?$' 40
else
  press_until KP_Enter 'Задачата\|В практиката' 30
fi
passed=1
if [ "$engine" = webkit ]; then
  # WebKitGTK passes no live region to Orca, and has it say the boxes after the first in
  # part or not at all: only the report, after a number too large for the calculation, is
  # checked, and the focus awaited where Orca names it.
  press Tab 'изходяща енергия'
  xdotool type 1e999
  xdotool key Tab
  xdotool type 5
  xdotool key Tab
  press Tab 'Изчисли'
else
  press Tab 'КПД'
  press Tab 'изходяща енергия'
  xdotool type 45
  press Tab 'подадена енергия'
  xdotool type 60
  press Tab 'КПД %'
  press Tab 'Изчисли'
  press Return 'КПД % 75%'
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
  # A number too large for the calculation: the report is heard, all three of its lines.
  press 'shift+Tab' 'КПД %'
  press 'shift+Tab' 'подадена енергия'
  press 'shift+Tab' 'изходяща енергия'
  xdotool key ctrl+a
  xdotool type 1e999
  press Tab 'подадена енергия'
  press Tab 'КПД %'
  press Tab 'Изчисли'
fi
before=$(spoken)
press Return 'Велтаро'
await_speech 'Грешка 6: Overflow' "$before"
await_speech 'Изчислението е прекъснато; въведеното е запазено\.' "$before"
passed=$((passed + 2))
echo "screen reader ($engine): $passed passed, 0 failed"
