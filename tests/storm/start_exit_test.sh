#!/bin/sh
# Starts the real program on an X server with a German keyboard layout, types into it, leaves it
# by File > Exit and requires a clean exit: status 0 and, in a sanitizer build, no leak report.
# The German layout gives the keypad's decimal key "," (KP_Separator): in the yard box and in the
# Celsius box it must type the point all the same, while the main block's comma stays refused.
# Usage: start_exit_test.sh <program>
set -eu
. "$(dirname "$0")/../lib.sh"
needs "x11-xkb-utils and xclip" setxkbmap xkbcomp xclip
start_x
start_program "$1"
wait_for_window
# Set while the program is connected: the X server resets its keymap when its last client leaves.
german_layout() { setxkbmap de && setxkbmap -query | grep -q '^layout: *de$'; }
wait_for 10 german_layout || fail "setxkbmap could not set a German layout"
xkbcomp -xkb "$DISPLAY" - 2> /dev/null | tr -d '\n' | grep -q 'key <KPDL> {[^}]*KP_Separator' ||
  fail "the German layout's keypad decimal key is not KP_Separator"
xdotool windowfocus --sync "$window" type --delay 30 "12.5"

# From the Length button, Tab reaches the yard box; the next Tab selects the metre box.
xdotool key --delay 100 Tab Tab Tab Tab Tab KP_5 KP_Separator KP_5 comma Tab shift+Tab
copy_box "keypad 5, decimal key, 5 and the comma in the yard box" 5.5
xdotool key --delay 100 Tab
copy_box "the metre box" 5.0292
# Back past the yard box and the Area button to the Temperature button, which Space presses; two
# Tabs on, past the Area button again, is the Celsius box.
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab space Tab Tab KP_5 KP_Separator KP_5 Tab
copy_box "keypad 5, decimal key, 5 in the Celsius box; the Fahrenheit box" 41.9
file_exit
echo "start and exit: clean"
