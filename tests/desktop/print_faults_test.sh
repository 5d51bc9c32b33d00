#!/bin/sh
# Printing against print services that fail, on a virtual X server:
#   - one that accepts connections and never answers: Ctrl+P leaves the window usable, and after
#     the answer time one message box says the printer did not answer (print_check no-answer);
#   - a refused connection and a missing socket: "No printer is installed." within seconds;
#   - File > Exit of the real program while its job waits for the silent service: the program
#     ends within seconds, with status 0 and, in a sanitizer build, no report.
#
# print_faults_test.sh PRINT_CHECK PROGRAM SILENT_SERVICE_PY LSAN_SUPPRESSIONS
set -eu
print_check=$1 program=$2 silent_service=$3 suppressions=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in xvfb-run xdotool python3; do
  command -v "$tool" > /dev/null || fail "$tool is missing: install xvfb, xdotool and python3"
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/bvn-print-faults.XXXXXX")
service_pid=
cleanup() {
  [ -z "$service_pid" ] || kill "$service_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

silent=$scratch/silent.sock
python3 "$silent_service" "$silent" &
service_pid=$!
tries=0
until [ -S "$silent" ]; do
  tries=$((tries + 1))
  [ $tries -le 100 ] || fail "the silent print service did not start"
  sleep 0.05
done

# No lpoptions of the system or the user, and no other printer than the one named.
export CUPS_SERVERROOT="$scratch" HOME="$scratch"
unset PRINTER LPDEST
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0
x_server() { xvfb-run -a -s "-screen 0 800x600x24" "$@"; }

echo "--- a print service that never answers"
CUPS_SERVER=$silent QT_QPA_PLATFORM=xcb x_server "$print_check" no-answer ||
  fail "Ctrl+P against a print service that never answers"

for server in 127.0.0.1:1 "$scratch/no-such.sock"; do
  echo "--- no print service at $server"
  CUPS_SERVER=$server QT_QPA_PLATFORM=xcb x_server "$print_check" no-printer ||
    fail "File > Print with no print service at $server"
done

echo "--- File > Exit while a job waits for the silent service"
cat > "$scratch/exit.sh" <<'DRIVE'
#!/bin/sh
export QT_QPA_PLATFORM=xcb
"$PROGRAM" 2> "$SCRATCH/stderr" &
pid=$!
window=$(timeout 30 xdotool search --sync --name "Brelvan, Inc. Unit Converter" | head -n 1)
[ -n "$window" ] || { echo "the window never appeared"; kill "$pid"; exit 1; }
xdotool windowfocus --sync "$window"
xdotool key ctrl+p
sleep 1
xdotool key alt+f
sleep 0.5
start=$(date +%s%N)
xdotool key x
timeout 15 tail --pid="$pid" -f /dev/null || { echo "the program did not end"; kill -9 "$pid"; exit 1; }
echo "ended $(( ($(date +%s%N) - start) / 1000000 )) ms after File > Exit"
wait "$pid"
DRIVE
status=0
PROGRAM=$program SCRATCH=$scratch CUPS_SERVER=$silent x_server sh "$scratch/exit.sh" || status=$?
if grep -qE 'ERROR: (LeakSanitizer|AddressSanitizer)|runtime error' "$scratch/stderr"; then
  cat "$scratch/stderr"
  fail "sanitizer report at exit with a job waiting"
fi
[ "$status" -eq 0 ] || { cat "$scratch/stderr"; fail "exit with a job waiting: status $status"; }
echo "print faults: the window stayed usable and said what happened"
