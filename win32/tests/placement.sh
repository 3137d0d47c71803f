#!/usr/bin/env bash
# Opens the Windows program under Wine where its window is taller than the work area: at
# 200 % (192 dpi) on a 1024 x 768 screen whose taskbar takes the lowest 80 pixels. The
# title bar stays on the screen, at the work area's top, and the window is centred across.
set -euo pipefail
program=$1
source "$(dirname "$0")/wine_display_session.sh"
export WINE_RUN_UNMANAGED=1

# The work area, as a desktop with a taskbar announces it; Wine reads it as its session starts.
work_height=688
xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WORKAREA
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1024, $work_height"
wine_session_start
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1 ||
  fail "cannot set 192 dpi"
# Wine 10 reads the resolution as its server starts: the program's is a new one.
timeout 60 wineserver -w || fail "Wine's server went on for a minute after its programs ended"

wine "$program" &
x_session_pids+=($!)
window=$(await_window '^www\.veltaro\.bg Велтаро$')
# The whole window, frame and title bar included, as Wine draws it on a screen without a
# window manager.
geometry() { xwininfo -id "$window" | awk -v field="$1" -F: '$1 ~ field { print $2 + 0 }'; }
shown() { xwininfo -id "$window" | grep -q 'Map State: IsViewable'; }
await shown || fail "the window was never shown"
left=$(geometry 'Absolute upper-left X') top=$(geometry 'Absolute upper-left Y')
width=$(geometry '^  Width') height=$(geometry '^  Height')
echo "window: $width x $height at $left, $top; work area: 1024 x $work_height at 0, 0"

passed=0
[ "$width" -ge 922 ] || fail "$width pixels wide: not drawn at 192 dpi (client 922 x 690)"
[ "$height" -gt "$work_height" ] || fail "fits the work area: this test shows nothing"
passed=$((passed + 1))
[ "$top" = 0 ] || fail "its top at $top, not at the work area's top, 0"
passed=$((passed + 1))
[ $((2 * left + width - 1024)) -ge -1 ] && [ $((2 * left + width - 1024)) -le 1 ] ||
  fail "not centred across: $left + $width of 1024"
passed=$((passed + 1))
echo "windows placement: $passed passed, 0 failed"
