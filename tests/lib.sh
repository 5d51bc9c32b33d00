# The steps the desktop tests share. A test script sources it, after `set -eu` or `set -u`:
#   . "$(dirname "$0")/../lib.sh"
# It is plain POSIX sh, for scripts run by sh and by bash. It gives:
#   fail, skip, needs, wait_for                 ending a test, and waiting for a condition
#   $work, at_exit, track, show_on_failure      a scratch folder, and clean-up whatever happens
#   need_root, $as_root                         root for one command, or the test skipped
#   start_x, x_server_start, x_server_stop      a private X server
#   start_program, wait_for_window, file_exit   the program, its window, and File > Exit
#   check_sanitizer_log, stand_in_browser, check_program_resources

# What ui::WindowTitle() makes.
window_title="Brelvan, Inc. Unit Converter (http://www.brelvan.example/)"

# Files whose last lines a failure shows (show_on_failure).
bvn_failure_logs=
fail() {
  for log in $bvn_failure_logs; do
    [ ! -s "$log" ] || { echo "--- the end of $log"; tail -n 30 "$log"; }
  done >&2
  echo "FAIL: $*" >&2
  exit 1
}
show_on_failure() { bvn_failure_logs="$bvn_failure_logs $*"; }

# CTest counts this status as a skipped test (the tests' SKIP_RETURN_CODE).
skip() {
  echo "SKIP: $*" >&2
  exit 77
}

# needs PACKAGES TOOL...: every tool must be there; PACKAGES says what to install.
needs() {
  packages=$1
  shift
  for tool in "$@"; do
    command -v "$tool" > /dev/null || fail "$tool is missing: install $packages"
  done
}

# wait_for SECONDS COMMAND...: runs the command every 0.1 s until it succeeds; status 1 when it
# has not within SECONDS. The command may be a function of the script, which sets variables.
wait_for() {
  tries=$(($1 * 10))
  shift
  until "$@" > /dev/null 2>&1; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.1
  done
}

# Commands run at exit, the last one given first, whatever the outcome; none can stop the rest.
bvn_at_exit=
at_exit() { bvn_at_exit="{ $*; } > /dev/null 2>&1 || true; $bvn_at_exit"; }
# track PID: the process is ended at exit.
track() { at_exit "kill $1 && wait $1"; }
trap 'eval "$bvn_at_exit"' EXIT
trap 'exit 143' TERM INT HUP

work=$(mktemp -d "${TMPDIR:-/tmp}/bvn-test.XXXXXX")
at_exit "rm -rf '$work'"

# need_root WHAT: root for the commands of WHAT, run as `$as_root COMMAND...`: as they are when
# the test runs as root, else through sudo where it asks for no password. With neither, the test
# is skipped, saying what needed root.
need_root() {
  if [ "$(id -u)" = 0 ]; then
    as_root=
  elif command -v sudo > /dev/null && sudo -n true 2> /dev/null; then
    as_root="sudo -n"
  else
    skip "$1 needs root: run the tests as root, or where sudo asks for no password"
  fi
}

# x_server_start DIR [detached]: a private X server, 1024 x 768 in true colour, on a display
# number it picks itself (-displayfd: two servers starting together never race for one). The
# number goes into DIR/display, the process id into DIR/xvfb.pid. A detached server, in a session
# of its own with no output shared, outlives the script (CTest waits for whatever holds a test's
# output).
x_server_start() {
  ${2:+setsid} Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$1/display" \
    > "$1/xvfb.log" 2>&1 < /dev/null &
  echo $! > "$1/xvfb.pid"
  wait_for 10 test -s "$1/display" || { cat "$1/xvfb.log"; fail "Xvfb did not start"; }
}
x_server_stop() {
  [ ! -s "$1/xvfb.pid" ] || kill "$(cat "$1/xvfb.pid")" 2> /dev/null || true
}
# start_x: an X server for this test alone, stopped at exit; Qt draws there.
start_x() {
  x_server_start "$work"
  at_exit "x_server_stop '$work'"
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY QT_QPA_PLATFORM=xcb
}

# start_program PROGRAM [ARGUMENT...]: starts it in the background, through BVN_TEST_RUNNER when
# that is set (Wine), with its output in $work/program.log; $program_pid is its process id.
start_program() {
  ${BVN_TEST_RUNNER:+"$BVN_TEST_RUNNER"} "$@" > "$work/program.log" 2>&1 &
  program_pid=$!
  track $program_pid
  show_on_failure "$work/program.log"
}

# wait_for_window [SECONDS]: waits, 30 s unless told, for the program's window to be shown on the
# X server; $window is its id. A search again and again, rather than xdotool's --sync, which
# gives up when a window it looks at vanishes meanwhile (X's BadWindow).
find_window() {
  window=$(xdotool search --onlyvisible --name "^${window_title%% (*}" 2> /dev/null | head -n 1)
  [ -n "$window" ]
}
wait_for_window() { wait_for "${1:-30}" find_window || fail "the window never appeared"; }

# file_exit [SECONDS]: File > Exit must end the program within SECONDS (30 unless told), with
# status 0 and, in a sanitizer build, no report.
file_exit() {
  xdotool windowfocus --sync "$window" key alt+f sleep 0.5 key x
  started=$(date +%s%N)
  timeout "${1:-30}" tail --pid="$program_pid" -f /dev/null || fail "File > Exit did not end it"
  echo "ended $((($(date +%s%N) - started) / 1000000)) ms after File > Exit"
  status=0
  wait "$program_pid" || status=$?
  check_sanitizer_log "$work/program.log"
  [ $status -eq 0 ] || fail "File > Exit: status $status"
}

# check_sanitizer_log FILE: fails, showing FILE, where AddressSanitizer, LeakSanitizer or
# UndefinedBehaviorSanitizer reported anything in it.
check_sanitizer_log() {
  if grep -qE 'ERROR: (LeakSanitizer|AddressSanitizer)|runtime error' "$1"; then
    cat "$1" >&2
    bvn_failure_logs=  # shown whole above
    fail "a sanitizer report (above)"
  fi
}

# stand_in_browser: a browser that writes each argument it is called with on a line of
# $browser_log. BROWSER names it, and the desktop is of no particular kind, so that xdg-open (and
# Wine, which hands web addresses to the Linux desktop) calls it.
stand_in_browser() {
  browser_log=$work/browser.log
  printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' "$browser_log" > "$work/browser"
  chmod +x "$work/browser"
  export BROWSER="$work/browser"
  unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
}

# icon_images ICO: the .ico's images, in its order, as WIDTHxHEIGHTxBITS.
icon_images() {
  icotool -l "$1" | sed -e 's/.*--width=\([0-9]*\) --height=\([0-9]*\)/\1x\2/' \
    -e 's/ --bit-depth=\([0-9]*\).*/x\1/' | paste -sd ' '
}

# check_program_resources FILE ICO PRODUCT_NAME INTERNAL_NAME FILE_NAME VERSION: the resources of
# a Windows program file: version information in US English with code page 1252, the icon with
# the same images as ICO, and the manifest (Windows 10 and 11, per-monitor DPI awareness,
# common controls 6). Needs exiftool, wrestool and icotool.
check_program_resources() {
  for field in "ProductName=$3" "InternalName=$4" "OriginalFileName=$5" "FileVersion=$6" \
    "ProductVersion=$6" "LanguageCode=English (U.S.)" "CharacterSet=Windows, Latin1"; do
    value=$(exiftool -s3 -"${field%%=*}" "$1")
    [ "$value" = "${field#*=}" ] || fail "${field%%=*} is '$value'"
  done
  wrestool -x --type=group_icon "$1" > "$work/icon.ico" || fail "no icon in the file"
  [ "$(icon_images "$work/icon.ico")" = "$(icon_images "$2")" ] ||
    fail "the icon holds $(icon_images "$work/icon.ico"), not $(icon_images "$2")"
  wrestool -x --raw --type=24 --name=1 "$1" > "$work/manifest.xml" || fail "no application manifest"
  for part in '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '>PerMonitorV2<' \
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
    grep -qF "$part" "$work/manifest.xml" || fail "the manifest lacks $part"
  done
}
