#!/usr/bin/env bash
# Starts the Windows program under Wine on a private X server with a high-contrast scheme
# in its prefix, makes a calculation with the keyboard alone, with real X events, and
# measures in the window's pixels that every label, button and box shows its text at least
# 4.5:1 against its background.
set -euo pipefail
program=$1
source "$(dirname "$0")/wine_display_session.sh"
wine_session_start

# The scheme as a user's prefix keeps it: white on black for the window and its boxes,
# yellow on navy for buttons, High Contrast on, and no visual style, as Windows 7 has it.
set_value() { wine reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1 || fail "cannot set $2"; }
colours='HKCU\Control Panel\Colors'
set_value "$colours" Window "0 0 0"
set_value "$colours" WindowText "255 255 255"
set_value "$colours" ButtonFace "0 0 128"
set_value "$colours" ButtonText "255 255 0"
set_value 'HKCU\Control Panel\Accessibility\HighContrast' Flags 127
set_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' ThemeActive 0
# Wine reads the scheme as its session starts.
wineserver -k
wineserver -w

wine "$program" &
x_session_pids+=($!)
window=$(await_window '^www\.veltaro\.bg Велтаро$')
await xdotool windowfocus --sync "$window" || fail "the window never took the focus"
# From the help text, where the window opens: past the modes to the part and the whole,
# then past the result to "Изчисли".
xdotool key --delay 50 Tab Tab 4 5 Tab 6 0 Tab Tab space

# Each control's area that holds its text, in the client area: inside a box's border, a
# button's edge and focus mark, and right of an option's circle.
areas=(
  "Label1(0) 56 0 353 25" "Option1(0) 36 48 141 25" "Option1(1) 36 88 141 25"
  "Option1(2) 36 128 141 25" "Label2(0) 208 32 137 25" "Label2(1) 208 72 137 25"
  "Label2(2) 208 112 137 25" "Text2(0) 363 35 83 21" "Text2(1) 363 75 83 21"
  "Text2(2) 363 115 83 21" "Command1(0) 214 166 85 13" "Command1(1) 350 166 69 13"
  "Text1(0) 11 195 426 139"
)
shot=$x_session_work/window.png
# The contrast of the area's text with its background (its commonest colour): the colour
# farthest from it that a few whole pixels of text show, as the WCAG measures contrast.
contrast() {  # x y width height
  convert "$shot" -crop "$3x$4+$(($1 + left))+$(($2 + top))" +repage -format %c histogram:info:- |
    awk '
      function channel(c) { c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
      function luminance(r, g, b) { return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b) }
      {
        count = $1 + 0
        colour = $2
        gsub(/[()]/, "", colour)
        split(colour, rgb, ",")
        n++; counts[n] = count; lum[n] = luminance(rgb[1], rgb[2], rgb[3])
        if (count > most) { most = count; background = lum[n] }
      }
      END {
        best = 1
        for (i = 1; i <= n; i++) {
          if (counts[i] < 3) continue
          hi = lum[i] > background ? lum[i] : background
          lo = lum[i] > background ? background : lum[i]
          ratio = (hi + 0.05) / (lo + 0.05)
          if (ratio > best) best = ratio
        }
        printf "%.2f\n", best
      }'
}
capture() {
  import -window "$window" "$shot"
  # The capture may hold Wine's own frame around the 461 x 345 client area.
  read -r width height < <(identify -format '%w %h\n' "$shot")
  left=$(((width - 461) / 2)) top=$((height - 345 - (width - 461) / 2))
}
result_shown() {
  capture
  awk -v r="$(contrast 363 115 83 21)" 'BEGIN { exit !(r > 1) }'
}
await result_shown || fail "no result was shown"
capture
low=
for area in "${areas[@]}"; do
  read -r name x y w h <<<"$area"
  ratio=$(contrast "$x" "$y" "$w" "$h")
  echo "$name: $ratio:1"
  awk -v r="$ratio" 'BEGIN { exit !(r < 4.5) }' && low="$low $name"
done
[ -z "$low" ] || fail "text below 4.5:1 in High Contrast:$low"
echo "windows high contrast: ${#areas[@]} passed, 0 failed"
