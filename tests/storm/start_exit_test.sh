#!/usr/bin/env bash
# Starts the real program on an X server, types into it, leaves it by File > Exit and requires a
# clean exit: status 0 and, in a sanitizer build, no leak report. Leaks inside libdbus (the
# desktop bus, which this sandbox does not run) are the system library's own and suppressed.
# Usage: start_exit_test.sh <program> <suppressions file>
set -euo pipefail
program=$1
suppressions=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -u
export QT_QPA_PLATFORM=xcb
"$PROGRAM" 2>"$WORK/stderr" &
pid=$!
window=$(timeout 30 xdotool search --sync --name "Brelvan, Inc. Unit Converter" | head -n 1)
if [ -z "$window" ]; then echo "the window never appeared"; kill "$pid"; exit 1; fi
xdotool windowfocus --sync "$window"
xdotool type --delay 30 "12.5"
xdotool key alt+f
sleep 0.5
xdotool key x
status=0
timeout 30 tail --pid="$pid" -f /dev/null || { echo "the program did not end"; kill -9 "$pid"; exit 1; }
wait "$pid" || status=$?
echo "exit status $status"
exit "$status"
DRIVE
chmod +x "$work/drive.sh"

export PROGRAM=$program WORK=$work
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0
status=0
xvfb-run -a -s "-screen 0 800x600x24" "$work/drive.sh" || status=$?
if grep -qE 'ERROR: (LeakSanitizer|AddressSanitizer)|runtime error' "$work/stderr"; then
  cat "$work/stderr"
  echo "start and exit: sanitizer report"
  exit 1
fi
[ "$status" -eq 0 ] || { cat "$work/stderr"; echo "start and exit: status $status"; exit 1; }
echo "start and exit: clean"
