#!/usr/bin/env bash
# Starts the Windows program under Wine on a private X server in a colour scheme set in its
# prefix (Wine's own, a dark one with High Contrast off, or a high-contrast one), makes a
# calculation with the keyboard alone, with real X events, and measures in the window's
# pixels that every label, option, button and box shows its text at least 4.5:1 against its
# background, and that each stands on the colour it should: the layout's, or in High
# Contrast the system's. Then it moves the focus through every control that takes it, with
# Tab and the arrow keys, and measures the mark around each: at least 3:1 against the
# colours beside it, on all four sides.
# usage: colours.sh PROGRAM default|dark|high-contrast
set -euo pipefail
program=$1
scheme=$2
source "$(dirname "$0")/wine_display_session.sh"
wine_session_start

# The scheme as a user's prefix keeps it, with no visual style, as Windows 7 has it.
set_value() { wine reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1 || fail "cannot set $2"; }
set_scheme() {  # window, window text, button face, button text, High Contrast flags
  local colours='HKCU\Control Panel\Colors'
  set_value "$colours" Window "$1"
  set_value "$colours" WindowText "$2"
  set_value "$colours" ButtonFace "$3"
  set_value "$colours" ButtonText "$4"
  set_value 'HKCU\Control Panel\Accessibility\HighContrast' Flags "$5"
  set_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' ThemeActive 0
  # Wine reads the scheme as its session starts.
  wineserver -k
  timeout 60 wineserver -w || fail "Wine's server went on for a minute after it was told to end"
}
# What each area stands on: the layout's colours, and the boxes the system's window colour.
designed=(FFC080 C0C0FF C0C0FF C0C0FF C0FFFF C0FFFF C0FFFF box box box 80FF80 FF8080 box)
case "$scheme" in
  default) box=FFFFFF ;;
  # White text on near black, and yellow on dark grey for buttons; High Contrast off, as
  # in a custom or classic scheme.
  dark)
    set_scheme "32 32 32" "255 255 255" "64 64 64" "255 255 0" 126
    box=202020
    ;;
  # White on black for the window and its boxes, yellow on navy for buttons.
  high-contrast)
    set_scheme "0 0 0" "255 255 255" "0 0 128" "255 255 0" 127
    designed=(box box box box box box box box box box 000080 000080 box)
    box=000000
    ;;
  *) fail "no scheme \"$scheme\"" ;;
esac

wine "$program" &
x_session_pids+=($!)
window=$(await_window '^www\.veltaro\.bg Велтаро$')
focus "$window"
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
# The colours an area shows, as "count luminance hex" lines, commonest first.
histogram() {  # x y width height
  convert "$shot" -crop "$3x$4+$(($1 + left))+$(($2 + top))" +repage -format %c histogram:info:- |
    awk '
      function channel(c) { c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
      {
        colour = $2
        gsub(/[()]/, "", colour)
        split(colour, rgb, ",")
        printf "%d %.6f %s\n", $1, 0.2126 * channel(rgb[1]) + 0.7152 * channel(rgb[2]) + 0.0722 * channel(rgb[3]), substr($3, 2, 6)
      }' | sort -k1,1nr
}
# The contrast of the area's text with its background (its commonest colour): the colour
# farthest from it that a few whole pixels of text show, as the WCAG measures contrast.
contrast() {  # x y width height
  histogram "$@" | awk '
    NR == 1 { background = $2 }
    $1 >= 3 {
      hi = $2 > background ? $2 : background
      lo = $2 > background ? background : $2
      ratio = (hi + 0.05) / (lo + 0.05)
      if (ratio > best) best = ratio
    }
    END { printf "%.2f\n", (best > 1 ? best : 1) }'
}
background() { histogram "$@" | awk 'NR == 1 { print $3 }'; }
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
low= wrong=
for i in "${!areas[@]}"; do
  read -r name x y w h <<<"${areas[$i]}"
  ratio=$(contrast "$x" "$y" "$w" "$h")
  on=$(background "$x" "$y" "$w" "$h")
  expected=${designed[$i]/box/$box}
  echo "$name: $ratio:1 on #$on"
  awk -v r="$ratio" 'BEGIN { exit !(r < 4.5) }' && low="$low $name"
  [ "$on" = "$expected" ] || wrong="$wrong $name (#$on, not #$expected)"
done
[ -z "$low" ] || fail "text below 4.5:1 in the $scheme scheme:$low"
[ -z "$wrong" ] || fail "not on its colour in the $scheme scheme:$wrong"
passed=$((2 * ${#areas[@]}))

# The focus ring: two pixels wide, one pixel outside the control's edge. On each side's
# middle, the ring's colour against the pixel between it and the control and the one just
# beyond it; the smallest of the eight ratios.
ring_contrast() {  # left top right bottom of the control, in the client area
  local l=$1 t=$2 r=$3 b=$4 x=$((($1 + $3) / 2)) y=$((($2 + $4) / 2)) format=
  for point in "$((l - 2)) $y" "$((l - 1)) $y" "$((l - 4)) $y" "$((r + 1)) $y" "$r $y" \
    "$((r + 3)) $y" "$x $((t - 2))" "$x $((t - 1))" "$x $((t - 4))" "$x $((b + 1))" "$x $b" \
    "$x $((b + 3))"; do
    read -r px py <<<"$point"
    format="$format%[hex:p{$((px + left)),$((py + top))}] "
  done
  convert "$shot" -format "$format" info: | awk '
    function channel(c) { c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    function byte(h, i) { return 16 * (index("0123456789ABCDEF", substr(h, i, 1)) - 1) + index("0123456789ABCDEF", substr(h, i + 1, 1)) - 1 }
    function luminance(h) { return 0.2126 * channel(byte(h, 1)) + 0.7152 * channel(byte(h, 3)) + 0.0722 * channel(byte(h, 5)) }
    function ratio(a, b) { return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05) }
    {
      lowest = 21
      for (side = 0; side < 4; side++) {
        ring = luminance($(3 * side + 1))
        for (beside = 2; beside <= 3; beside++) {
          r = ratio(ring, luminance($(3 * side + beside)))
          if (r < lowest) lowest = r
        }
      }
      printf "%.2f\n", lowest
    }'
}
ring_seen() { capture && awk -v r="$(ring_contrast "$@")" 'BEGIN { exit !(r >= 3) }'; }
# From "Изчисли", where the calculation left the focus: each key, and the control it reaches.
steps=(
  ": Command1(0) 208 160 305 185" "Tab Command1(1) 344 160 425 185" "Tab Text1(0) 8 192 457 337"
  "Tab Option1(0) 16 48 177 73" "Down Option1(1) 16 88 177 113" "Down Option1(2) 16 128 177 153"
  "Tab Text2(0) 360 32 449 59" "Tab Text2(1) 360 72 449 99" "Tab Text2(2) 360 112 449 139"
)
faint=
for step in "${steps[@]}"; do
  read -r key name l t r b <<<"$step"
  [ "$key" = : ] || xdotool key "$key"
  await ring_seen "$l" "$t" "$r" "$b" || true
  ratio=$(ring_contrast "$l" "$t" "$r" "$b")
  echo "$name focused: its mark $ratio:1 against the colours beside it"
  awk -v r="$ratio" 'BEGIN { exit !(r < 3) }' && faint="$faint $name"
done
[ -z "$faint" ] || fail "focus marks below 3:1 in the $scheme scheme:$faint"
passed=$((passed + ${#steps[@]}))
echo "windows colours, $scheme scheme: $passed passed, 0 failed"
