#!/bin/sh
# Printing against print services that fail, on a virtual X server:
#   - one that accepts connections and never answers: Ctrl+P leaves the window usable, and after
#     the answer time one message box says the printer did not answer (print_check no-answer);
#   - a refused connection and a missing socket: "No printer is installed." within seconds;
#   - File > Exit of the real program while its job waits for the silent service: the program
#     ends within seconds, with status 0 and, in a sanitizer build, no report.
#
# print_faults_test.sh PRINT_CHECK PROGRAM SILENT_SERVICE_PY
set -eu
print_check=$1 program=$2 silent_service=$3
. "$(dirname "$0")/../lib.sh"
needs "xvfb, xdotool and python3" Xvfb xdotool python3

silent=$work/silent.sock
python3 "$silent_service" "$silent" &
track $!
wait_for 5 test -S "$silent" || fail "the silent print service did not start"

# No lpoptions of the system or the user, and no other printer than the one named.
export CUPS_SERVERROOT="$work" HOME="$work"
unset PRINTER LPDEST
start_x

echo "--- a print service that never answers"
CUPS_SERVER=$silent "$print_check" no-answer ||
  fail "Ctrl+P against a print service that never answers"

for server in 127.0.0.1:1 "$work/no-such.sock"; do
  echo "--- no print service at $server"
  CUPS_SERVER=$server "$print_check" no-printer ||
    fail "File > Print with no print service at $server"
done

echo "--- File > Exit while a job waits for the silent service"
export CUPS_SERVER="$silent"
start_program "$program"
wait_for_window
xdotool windowfocus --sync "$window" key ctrl+p
sleep 1
file_exit 15
echo "print faults: the window stayed usable and said what happened"
