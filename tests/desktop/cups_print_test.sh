#!/bin/sh
# Prints the window through a real CUPS server. A private cupsd (its own configuration, spool
# and socket in a scratch folder, so the system's printers are left alone) first has no printer:
# File > Print must show "No printer is installed." Then it gets a PDF printer (the Generic PDF
# Printer driver of cups-filters, writing to a file) as its default: File > Print must send one
# job that comes out as a one-page PDF holding the window's picture, and once the queue refuses
# jobs (cupsreject), say so.
#
# cupsd runs as whoever runs the test: printing to a file needs no root, and as root it runs its
# filters as lp. Needs the packages cups, cups-client, cups-filters and poppler-utils; when cupsd
# cannot start, the test fails.
#
# Under Wine it then runs the program itself from a folder where a library is planted under the
# name of each that the program loads and Windows would look for beside it, preferred as Windows
# prefers them: the program converts, shows its About box, prints to a file and exits, and must
# load none of them.
#
# cups_print_test.sh PRINT_CHECK COMPARE_PRINT_PY SAVE_DIALOG_TITLE [PROGRAM PLANTED_LIBRARY LIBRARY...]
set -eu
print_check=$1 compare=$2 save_dialog_title=$3
. "$(dirname "$0")/../lib.sh"
# BVN_TEST_RUNNER, when set, runs print_check (Wine).
check() { ${BVN_TEST_RUNNER:+"$BVN_TEST_RUNNER"} "$print_check" "$@"; }
queue=bvn-pdf
needs cups cupsd
needs cups-client lpadmin lpinfo lpstat cupsaccept cupsreject
needs poppler-utils pdfinfo pdftoppm

conf=$work/conf
mkdir -p "$conf/ppd" "$work/spool/tmp" "$work/cache" "$work/state/certs" "$work/log" \
         "$work/client" "$work/images"
socket=$work/cups.sock
printout=$work/printout.pdf
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
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
FileDevice Yes
User lp
Group lp
SystemGroup root lpadmin
CONF
# As root, cupsd runs the filters as lp; they read and write the spool.
if [ "$(id -u)" = 0 ]; then
  chmod 755 "$work"
  chgrp -R lp "$work"
  chmod -R g+rwX "$work"
fi

cupsd -f -c "$conf/cupsd.conf" -s "$conf/cups-files.conf" > "$work/log/cupsd.out" 2>&1 &
track $!
show_on_failure "$work/log/cupsd.out" "$work/log/error_log"

# Clients talk to this server only, with no lpoptions of the system or of the user.
export CUPS_SERVER="$socket" CUPS_SERVERROOT="$work/client" HOME="$work"
export QT_QPA_PLATFORM=offscreen
unset PRINTER LPDEST

# Under Wine, a fresh Wine: a program run just before without a display (the command-line test)
# leaves Wine's desktop without one for a few seconds, and the window would never be shown.
# Whatever happens, nothing of this Wine outlives the test: CTest would wait for it.
if [ -n "${BVN_TEST_RUNNER:-}" ]; then
  "$BVN_TEST_RUNNER" --restart
  at_exit "'$BVN_TEST_RUNNER' --restart"
fi

running() { lpstat -r | grep -q 'is running'; }
wait_for 10 running || fail "cupsd could not start, so printing cannot be tested"
echo "cupsd is running"

echo "--- no printer installed"
check no-printer || fail "File > Print with no printer installed"

echo "--- the PDF printer"
model=$(lpinfo -m | awk '/Generic-PDF_Printer-PDF\.ppd/ {print $1; exit}')
[ -n "$model" ] ||
  fail "cupsd knows no Generic PDF Printer driver (lpinfo -m): install cups-filters"
lpadmin -p "$queue" -E -v "file://$printout" -m "$model" 2> "$work/log/lpadmin.err" ||
  { cat "$work/log/lpadmin.err"; fail "lpadmin could not make the queue $queue"; }
lpadmin -d "$queue"
lpstat -d | grep -q "$queue" || fail "$queue is not the default printer"

check print "$work/images" > "$work/log/print_check.out" 2>&1 ||
  { cat "$work/log/print_check.out"; fail "File > Print with $queue as the default printer"; }
sed -i 's/\r$//' "$work/log/print_check.out" # a Windows program ends its lines in CR LF
cat "$work/log/print_check.out"
grep -qx "default printer: $queue" "$work/log/print_check.out" ||
  fail "the window did not see $queue as the default printer"

# Wait until no job is pending and exactly one has completed.
idle() { [ -z "$(lpstat -o "$queue")" ]; }
wait_for 60 idle || { lpstat -l -o "$queue"; fail "the print job did not finish within 60 s"; }
completed=$(lpstat -W completed -o "$queue")
echo "completed: $completed"
[ "$(printf '%s\n' "$completed" | grep -c "^$queue-")" = 1 ] ||
  fail "expected one completed job, found: $completed"
job=$(printf '%s\n' "$completed" | sed -n "s/^$queue-\([0-9]*\).*/\1/p")
grep -qF "[Job $job] Job completed." "$work/log/error_log" ||
  fail "job $job did not complete successfully"
[ -s "$printout" ] || fail "job $job printed nothing into $printout"

pages=$(pdfinfo "$printout" | sed -n 's/^Pages:[[:space:]]*//p')
[ "$pages" = 1 ] || fail "the printout has $pages pages, not one"
pdftoppm -r 100 -singlefile "$printout" "$work/page"
python3 "$compare" "$work/page.ppm" "$work/images/window.ppm" \
  "$work/images/no-texts.ppm" "$work/images/regions.txt" ||
  fail "the printout does not show the window"

echo "printed through CUPS: one page with the window's picture"
echo "--- the queue refuses jobs"
cupsreject "$queue" && check rejected || fail "File > Print to a queue that refuses jobs"

# Windows only: the queue moved to Wine's port FILE: asks where to save, in the window's dialog,
# answered here as a user would; Wine's driver writes PostScript into the file chosen.
if [ -n "${BVN_TEST_RUNNER:-}" ]; then
  echo "--- the printer on the port FILE:"
  key="HKLM\\System\\CurrentControlSet\\Control\\Print\\Printers\\$queue" saved=$work/saved.prn
  port() { "$BVN_TEST_RUNNER" reg add "$key" /v Port /d "$1" /f > /dev/null; }
  at_exit "port CUPS:$queue" # Wine keeps a printer on FILE: in the prefix for good
  cupsaccept "$queue" && port FILE:
  check print "$work/images" > "$work/log/file.out" 2>&1 & printing=$!
  export DISPLAY=":$(cat "$BVN_WINE_SESSION/display")"
  focus_window 60 "$save_dialog_title" || { kill $printing; fail "no save dialog within 60 s"; }
  xdotool type "Z:$(echo "$saved" | tr / '\\')"
  xdotool key Return
  wait $printing || { cat "$work/log/file.out"; fail "File > Print to a printer on FILE:"; }
  [ "$(head -c 4 "$saved")" = "%!PS" ] || fail "Wine's driver wrote no PostScript into $saved"
  echo "saved through the window's dialog: $(wc -c < "$saved") bytes of PostScript"

  echo "--- the program, with a library planted beside it for each it loads"
  program=$4 planted=$5
  shift 5
  folder=$work/downloads
  mkdir "$folder"
  cp "$program" "$folder/"
  overrides=
  for library in "$@"; do
    cp "$planted" "$folder/$library"
    overrides="$overrides${overrides:+,}${library%.dll}"
  done
  # Wine prefers its own libraries, unless told to prefer those beside the program, as Windows
  # does for any library that is not one of its KnownDLLs.
  export WINEDLLOVERRIDES="$overrides=n,b"
  start_program "$folder/$(basename "$program")"
  unset WINEDLLOVERRIDES
  wait_for_window 60
  # From the first category button, Tab reaches the yard box; typing there fills the metre box,
  # which the next Tab selects whole, to be copied with Ctrl+Insert.
  xdotool windowfocus --sync "$window" key --delay 100 Tab Tab Tab Tab Tab type --delay 100 5
  xdotool key --delay 100 Tab
  copy_box "5 yd typed, the metre box" 4.572
  xdotool key alt+h sleep 0.5 key a
  focus_window 20 About || fail "Help > About showed no About box"
  xdotool key Return
  closed() { ! xdotool search --onlyvisible --name '^About$'; }
  wait_for 10 closed || fail "the About box stayed open"
  saved=$work/planted.prn
  xdotool windowfocus --sync "$window" key ctrl+p
  focus_window 60 "$save_dialog_title" || fail "File > Print showed no save dialog within 60 s"
  xdotool type "Z:$(echo "$saved" | tr / '\\')"
  xdotool key Return
  wait_for 60 test -s "$saved" || fail "File > Print wrote nothing into $saved"
  file_exit
  loaded=$(cd "$folder" && ls -- *.loaded 2> /dev/null | sed 's/\.loaded$//' | paste -sd ' ')
  [ -z "$loaded" ] || fail "the program loaded libraries planted beside it: $loaded"
  echo "converted, About, printed to a file and exited: none of $# planted libraries was loaded"
fi
