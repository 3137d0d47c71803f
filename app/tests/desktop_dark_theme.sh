#!/usr/bin/env bash
# Runs the program on a private X server under the desktop's own dark theme, as a GNOME
# user with the dark style has it (Qt's GTK 3 platform theme, GTK's Adwaita dark), makes a
# calculation with real X events, and reads the window's pixels (running_window_contrast):
# the theme took, every text reads at 4.5:1 on its background and every focus mark at 3:1.
# usage: desktop_dark_theme.sh PROGRAM CHECKER
set -euo pipefail
program=$1
checker=$2
here=$(dirname "$0")
source "$here/../../scripts/x-session.sh"
source "$here/calculate.sh"

QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark start_in_locale C.UTF-8 "$program"
focus "$window"
calculate "$window" 45 60 75%
"$checker" "$window"
