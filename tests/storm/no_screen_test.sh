#!/bin/sh
# Starts the real program on a display with no screen at all, as when its only monitor is
# unplugged: it must wait for a screen, not crash. Qt's offscreen platform, configured with no
# screens, stands in for such a display.
# Usage: no_screen_test.sh <program>
set -u
. "$(dirname "$0")/../lib.sh"
printf '{"screens": []}\n' > "$work/no-screens.json"
status=0
QT_QPA_PLATFORM="offscreen:configfile=$work/no-screens.json" timeout 3 "$1" \
  2> "$work/stderr" || status=$?
check_sanitizer_log "$work/stderr"
# timeout's own status 124: the program was still running after three seconds.
[ "$status" -eq 124 ] ||
  { cat "$work/stderr"; fail "no screen: the program ended with status $status"; }
echo "no screen: the program waits for one"
