#!/bin/sh
# Starts the real program on a display with no screen at all, as when its only monitor is
# unplugged: it must wait for a screen, not crash. Qt's offscreen platform, configured with no
# screens, stands in for such a display.
# Usage: no_screen_test.sh <program>
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '{"screens": []}\n' > "$work/no-screens.json"
status=0
QT_QPA_PLATFORM="offscreen:configfile=$work/no-screens.json" timeout 3 "$program" \
  2> "$work/stderr" || status=$?
# timeout's own status 124: the program was still running after three seconds.
if [ "$status" -ne 124 ] || grep -qE 'ERROR: (LeakSanitizer|AddressSanitizer)|runtime error' "$work/stderr"; then
  cat "$work/stderr"
  echo "no screen: the program ended with status $status"
  exit 1
fi
echo "no screen: the program waits for one"
