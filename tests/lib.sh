# The steps the desktop tests share. A test script sources it, after `set -eu` or `set -u`:
#   . "$(dirname "$0")/../lib.sh"
# It is plain POSIX sh, for scripts run by sh and by bash. It gives:
#   fail, skip, needs, wait_for                 ending a test, and waiting for a condition
#   $work, at_exit, track, show_on_failure      a scratch folder, and clean-up whatever happens
#   have_root, need_root, $as_root              root for one command, or the test skipped
#   start_x, x_server_start, x_server_stop      a private X server
#   start_program, wait_for_window, file_exit   the program, its window, and File > Exit
#   focus_window                                a window once it is shown, with the keyboard
#   check_sanitizer_log, stand_in_browser, check_program_resources

# The program's window title, which CMake hands the tests that look for the window. Without it
# (the package's own test), the window is found by the program's process instead.
window_title=${BVN_WINDOW_TITLE:-}

# The system's own tools, such as cupsd and lpadmin, live in the sbin folders, which a normal
# user's PATH lacks on Debian: they are looked for there too.
for folder in /usr/local/sbin /usr/sbin /sbin; do
  case ":$PATH:" in
    *":$folder:"*) ;;
    *) PATH=$PATH:$folder ;;
  esac
done
export PATH

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
    command -v "$tool" > /dev/null || fail "no $tool in $PATH: install $packages"
  done
}

# wait_for SECONDS COMMAND...: runs the command every 0.1 s until it succeeds; status 1 when it
# has not within SECONDS, however long each try takes (a try that is under way at the deadline
# may finish). The command may be a function of the script, which sets variables.
wait_for() {
  bvn_deadline=$(($(date +%s%N) + $1 * 1000000000))
  shift
  until "$@" > /dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$bvn_deadline" ] || return 1
    sleep 0.1
  done
}

# Commands run at exit, the last one given first, whatever the outcome; none can stop the rest.
bvn_at_exit=
at_exit() { bvn_at_exit="{ $*; } > /dev/null 2>&1 || true; $bvn_at_exit"; }
# track PID: the process is ended at exit, if it is still this shell's child: once the shell has
# reaped it (wait), its number may already belong to another program.
track() { at_exit "own_child $1 && kill $1 && wait $1"; }
own_child() { [ "$(sed -n 's/^PPid:[[:space:]]*//p' "/proc/$1/status" 2> /dev/null)" = $$ ]; }
trap 'eval "$bvn_at_exit"' EXIT
trap 'exit 143' TERM INT HUP

work=$(mktemp -d "${TMPDIR:-/tmp}/bvn-test.XXXXXX")
at_exit "rm -rf '$work'"

# have_root: status 0 when commands can run as root, as `$as_root COMMAND...`: as they are when
# the test runs as root, else through sudo where it asks for no password.
have_root() {
  if [ "$(id -u)" = 0 ]; then
    as_root=
  elif command -v sudo > /dev/null && sudo -n true 2> /dev/null; then
    as_root="sudo -n"
  else
    return 1
  fi
}
# need_root WHAT: root for the commands of WHAT, or the test skipped, saying what needed root.
need_root() { have_root || skip "$1 $(without_root)"; }
without_root() { echo "needs root: run the tests as root, or where sudo asks for no password"; }

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
# Stopped only while its number is still an X server's: a server that ended early may have left
# it to another program.
x_server_stop() {
  bvn_xvfb=$(cat "$1/xvfb.pid" 2> /dev/null) || return 0
  [ "$(cat "/proc/$bvn_xvfb/comm" 2> /dev/null)" != Xvfb ] || kill "$bvn_xvfb" 2> /dev/null || true
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
  if [ -n "$window_title" ]; then
    window=$(xdotool search --onlyvisible --name "$(titled "$window_title")" 2> /dev/null)
  else
    window=$(xdotool search --onlyvisible --pid "$program_pid" 2> /dev/null)
  fi
  window=$(echo "$window" | head -n 1)
  [ -n "$window" ]
}
wait_for_window() { wait_for "${1:-30}" find_window || fail "the window never appeared"; }

# focus_window SECONDS TITLE: waits up to SECONDS for a shown window titled TITLE and gives it the
# keyboard; $focused is its id. X refuses the keyboard to a window not yet shown (BadMatch), and
# xdotool's windowfocus --sync then waits for ever: so only shown windows are looked for, and each
# try has 5 s.
focus_window() {
  bvn_title=$(titled "$2")
  wait_for "$1" focus_titled
}
focus_titled() {
  focused=$(xdotool search --onlyvisible --name "$bvn_title" | head -n 1) && [ -n "$focused" ] &&
    timeout 5 xdotool windowfocus --sync "$focused"
}
# titled TITLE: xdotool's pattern (an extended regular expression) for exactly TITLE.
# titled "A (b.c)" -> "^A \(b\.c\)$"
titled() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.*^$(){}+?|]/\\&/g')"; }

# file_exit [SECONDS]: File > Exit must end the program within SECONDS (30 unless told), with
# status 0 and, in a sanitizer build, no report.
file_exit() {
  timeout 10 xdotool windowfocus --sync "$window" key alt+f sleep 0.5 key x ||
    fail "the window did not take File > Exit's keys"
  started=$(date +%s%N)
  timeout "${1:-30}" tail --pid="$program_pid" -f /dev/null || fail "File > Exit did not end it"
  echo "ended $((($(date +%s%N) - started) / 1000000)) ms after File > Exit"
  status=0
  wait "$program_pid" || status=$?
  check_sanitizer_log "$work/program.log"
  [ $status -eq 0 ] || fail "File > Exit: status $status"
}

# copy_box WHAT TEXT: Ctrl+Insert copies the focused box, which the Tab that reached it selected
# whole; the clipboard's text, once it is new, must be TEXT. $copied keeps it.
copied=
clipboard_changed() {
  now=$(timeout 5 xclip -o -selection clipboard -t UTF8_STRING) && [ -n "$now" ] &&
    [ "$now" != "$copied" ] && copied=$now
}
copy_box() {
  xdotool key --delay 100 ctrl+Insert
  wait_for 10 clipboard_changed || fail "$1: Ctrl+Insert copied nothing new"
  [ "$copied" = "$2" ] || fail "$1: '$copied', not '$2'"
  echo "$1: $copied"
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
