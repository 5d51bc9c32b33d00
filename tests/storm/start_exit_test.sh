#!/bin/sh
# Starts the real program on an X server, types into it, leaves it by File > Exit and requires a
# clean exit: status 0 and, in a sanitizer build, no leak report.
# Usage: start_exit_test.sh <program>
set -eu
. "$(dirname "$0")/../lib.sh"
start_x
start_program "$1"
wait_for_window
xdotool windowfocus --sync "$window" type --delay 30 "12.5"
file_exit
echo "start and exit: clean"
