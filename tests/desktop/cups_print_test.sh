#!/bin/sh
# Prints the window through a real CUPS server. A private cupsd (its own configuration, spool
# and socket in a scratch folder, so the system's printers are left alone) first has no printer:
# File > Print must show "No printer is installed." Then it gets a virtual PDF printer
# (cups-pdf) as its default: File > Print must send one job that cups-pdf turns into a
# one-page PDF holding the window's picture, and once the queue refuses jobs (cupsreject), say so.
#
# Needs root (cupsd and the cups-pdf backend run as root) and the packages cups,
# printer-driver-cups-pdf and poppler-utils. When cupsd cannot start, the test fails.
#
# cups_print_test.sh PRINT_CHECK COMPARE_PRINT_PY
set -eu
print_check=$1 compare=$2
# BVN_TEST_RUNNER, when set, runs print_check (Wine).
check() { ${BVN_TEST_RUNNER:+"$BVN_TEST_RUNNER"} "$print_check" "$@"; }
queue=bvn-pdf

fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" = 0 ] || fail "this test starts a CUPS server (cupsd) and must run as root"
for tool in cupsd lpadmin lpstat lpinfo pdfinfo pdftoppm; do
  command -v "$tool" > /dev/null ||
    fail "$tool is missing: install cups, printer-driver-cups-pdf and poppler-utils"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing: install printer-driver-cups-pdf"

# Filters run as lp, which must reach the spool: the scratch folder lives under /tmp, not in a
# build tree that may sit below a private home.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/bvn-cups.XXXXXX")
chmod 755 "$scratch"
conf=$scratch/conf
mkdir -p "$conf/ppd" "$scratch/spool/tmp" "$scratch/cache" "$scratch/state/certs" "$scratch/log" \
         "$scratch/client" "$scratch/home" "$scratch/images"
socket=$scratch/cups.sock
cat > "$conf/cupsd.conf" <<CONF
Listen $socket
Browsing No
WebInterface No
LogLevel debug
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$conf/cups-files.conf" <<CONF
ServerRoot $conf
RequestRoot $scratch/spool
TempDir $scratch/spool/tmp
CacheDir $scratch/cache
StateDir $scratch/state
ErrorLog $scratch/log/error_log
AccessLog $scratch/log/access_log
PageLog $scratch/log/page_log
User lp
Group lp
SystemGroup root lpadmin
CONF
# cupsd runs filters as lp; they read and write the spool.
chgrp -R lp "$scratch"
chmod -R g+rwX "$scratch"

cupsd_pid=
pdf=
cleanup() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  [ -z "$pdf" ] || rm -f "$pdf"
}
trap cleanup EXIT
log_tail() { tail -n 30 "$scratch/log/error_log" 2>/dev/null || true; }

cupsd -f -c "$conf/cupsd.conf" -s "$conf/cups-files.conf" > "$scratch/log/cupsd.out" 2>&1 &
cupsd_pid=$!

# Clients talk to this server only, with no lpoptions of the system or of the user.
export CUPS_SERVER="$socket" CUPS_SERVERROOT="$scratch/client" HOME="$scratch/home"
export QT_QPA_PLATFORM=offscreen
unset PRINTER LPDEST

tries=0
until lpstat -r 2>/dev/null | grep -q 'is running'; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 "$cupsd_pid" 2>/dev/null; then
    cat "$scratch/log/cupsd.out"
    log_tail
    fail "cupsd could not start, so printing cannot be tested"
  fi
  sleep 0.1
done
echo "cupsd is running (pid $cupsd_pid)"

echo "--- no printer installed"
check no-printer || fail "File > Print with no printer installed"

echo "--- the virtual PDF printer"
model=$(lpinfo -m | awk '/cups-pdf\/CUPS-PDF_opt\.ppd/ {print $1; exit}')
[ -n "$model" ] || model=$(lpinfo -m | awk 'tolower($0) ~ /cups-pdf/ {print $1; exit}')
[ -n "$model" ] || fail "cupsd knows no cups-pdf driver (lpinfo -m)"
lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" 2> "$scratch/log/lpadmin.err" ||
  { cat "$scratch/log/lpadmin.err"; fail "lpadmin could not make the queue $queue"; }
lpadmin -d "$queue"
lpstat -d | grep -q "$queue" || fail "$queue is not the default printer"

# cups-pdf writes into the directory its configuration names, for the job's user (root).
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
# shellcheck disable=SC2016  # cups-pdf's own notation, expanded below
[ -n "$out" ] || out='${HOME}/PDF'
root_home=$(getent passwd root | cut -d: -f6)
out=$(printf '%s\n' "$out" | sed "s|\${HOME}|$root_home|")
touch "$scratch/before-print"

check print "$scratch/images" > "$scratch/log/print_check.out" 2>&1 ||
  { cat "$scratch/log/print_check.out"; fail "File > Print with $queue as the default printer"; }
sed -i 's/\r$//' "$scratch/log/print_check.out" # a Windows program ends its lines in CR LF
cat "$scratch/log/print_check.out"
grep -qx "default printer: $queue" "$scratch/log/print_check.out" ||
  fail "the window did not see $queue as the default printer"

# Wait until no job is pending and exactly one has completed.
tries=0
while [ -n "$(lpstat -o "$queue")" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 600 ]; then
    lpstat -l -o "$queue"
    log_tail
    fail "the print job did not finish within 60 s"
  fi
  sleep 0.1
done
completed=$(lpstat -W completed -o "$queue")
echo "completed: $completed"
[ "$(printf '%s\n' "$completed" | grep -c "^$queue-")" = 1 ] ||
  fail "expected one completed job, found: $completed"
job=$(printf '%s\n' "$completed" | sed -n "s/^$queue-\([0-9]*\).*/\1/p")
grep -qF "[Job $job] Job completed." "$scratch/log/error_log" ||
  { log_tail; fail "job $job did not complete successfully"; }

pdf=$(find "$out" -maxdepth 1 -name "*job_$job*.pdf" -newer "$scratch/before-print" 2>/dev/null | head -n 1)
[ -n "$pdf" ] || { ls -la "$out" || true; log_tail; fail "cups-pdf wrote no PDF for job $job in $out"; }
echo "printed: $pdf"

pages=$(pdfinfo "$pdf" | sed -n 's/^Pages:[[:space:]]*//p')
[ "$pages" = 1 ] || fail "the printout has $pages pages, not one"
pdftoppm -r 100 -singlefile "$pdf" "$scratch/page"
python3 "$compare" "$scratch/page.ppm" "$scratch/images/window.ppm" \
  "$scratch/images/no-texts.ppm" "$scratch/images/regions.txt" ||
  fail "the printout does not show the window"

echo "printed through CUPS: one page with the window's picture"
echo "--- the queue refuses jobs"
cupsreject "$queue" && check rejected || fail "File > Print to a queue that refuses jobs"

# Windows only: the queue moved to Wine's port FILE: asks where to save, in the window's dialog,
# answered here as a user would; Wine's driver writes PostScript into the file chosen.
if [ -n "${BVN_TEST_RUNNER:-}" ]; then
  echo "--- the printer on the port FILE:"
  key="HKLM\\System\\CurrentControlSet\\Control\\Print\\Printers\\$queue" saved=$scratch/saved.prn
  port() { "$BVN_TEST_RUNNER" reg add "$key" /v Port /d "$1" /f > /dev/null; }
  trap 'port "CUPS:$queue"; cleanup' EXIT # Wine keeps a printer on FILE: in the prefix for good
  cupsaccept "$queue" && port FILE:
  check print "$scratch/images" > "$scratch/log/file.out" 2>&1 & printing=$!
  export DISPLAY=":$(cat "$BVN_WINE_SESSION/display")"
  dialog=$(timeout 60 xdotool search --sync --name '^Save Print Output As$' | head -n 1)
  [ -n "$dialog" ] || { kill $printing; fail "no save dialog within 60 s"; }
  xdotool windowfocus --sync "$dialog" type "Z:$(echo "$saved" | tr / '\\')"
  xdotool key Return
  wait $printing || { cat "$scratch/log/file.out"; fail "File > Print to a printer on FILE:"; }
  [ "$(head -c 4 "$saved")" = "%!PS" ] || fail "Wine's driver wrote no PostScript into $saved"
  echo "saved through the window's dialog: $(wc -c < "$saved") bytes of PostScript"
  port "CUPS:$queue"
fi
cleanup
trap - EXIT
rm -rf "$scratch"
