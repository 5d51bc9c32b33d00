#!/bin/sh
# The command line, with no display at all: --help and --version answer on standard output and
# exit 0; Qt's own options are left to Qt; an unknown option, an argument, or a Qt option in a
# form Qt does not take is refused on standard error with status 2. Answers name the program by
# its file name. BVN_TEST_RUNNER, when set, runs the program (Wine).
# Usage: command_line_test.sh <program> <version>
set -u
program=$1 version=$2 name=$(basename "$1")
. "$(dirname "$0")/../lib.sh"
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${BVN_TEST_RUNNER:+"$BVN_TEST_RUNNER"} \
    "$program" "$@" < /dev/null > out 2> err
}
cd "$work"

for option in --version -v; do
  run "$option"; status=$?
  [ $status -eq 0 ] || fail "$option: status $status"
  [ "$(cat out)" = "BVN Unit Converter $version" ] || fail "$option printed '$(cat out)'"
done
for option in --help -h; do
  run "$option"; status=$?
  [ $status -eq 0 ] || { cat err; fail "$option: status $status"; }
  grep -qF "Usage: $name [options]" out || { cat out; fail "$option: no usage line"; }
  grep -q -- "--version" out || fail "$option does not list --version"
  [ ! -s err ] || { cat err; fail "$option wrote to standard error"; }
done
# Qt's own options are taken as Qt takes them, each with its value or none, and left to Qt.
qt_options='-platform offscreen --platform offscreen -platformpluginpath /nowhere
  -platformtheme gtk3 -plugin evdevtouch -plugin tslib -qmljsdebugger port:1234
  -qmljsdebugger=port:1234,block -qwindowgeometry 200x100+10+10 -qwindowicon icon.png
  -qwindowtitle -title- -reverse -session 1234abcd_5678 -style fusion -style=fusion
  --stylesheet x.qss -stylesheet=x.qss -widgetcount -display :9 -geometry 200x100+10+10
  -icon icon.png -title Converter -name converter -visual 0x21 -nograb -dograb -testability
  -qdebug -qdevel'
run $qt_options --version; status=$?
[ $status -eq 0 ] || { cat err; fail "Qt's options: status $status"; }
run --help; grep -qE -- '-(platform|session|style)' out && fail "--help lists Qt's options"
# Each reaches Qt, which then finds no such platform: -h as the session's name; an option after
# "--", which Qt reads too; -reverse as the style, since Qt takes -platform out before -style.
if [ -z "${BVN_TEST_RUNNER:-}" ]; then
  while read -r line; do
    run $line
    grep -qF '"no-such-platform"' err || { cat err; fail "$line: -platform did not reach Qt"; }
    [ ! -s out ] || { cat out; fail "$line answered on standard output"; }
  done <<EOF
-reverse -platform no-such-platform
-session -h -platform no-such-platform
-- -platform no-such-platform
-style -platform no-such-platform -reverse
EOF
fi
# Each line a command line refused: "-h" after "--" is an argument; a Qt option last without
# its value, also where Qt would take the option alone.
while read -r wrong; do
  run $wrong; status=$?
  [ $status -eq 2 ] || fail "$wrong: status $status, not 2"
  [ ! -s out ] || fail "$wrong wrote to standard output"
  grep -qF "$name: " err || { cat err; fail "$wrong: no message"; }
done <<EOF
--frobnicate
-x
a-file
-session=1234abcd
-platform=offscreen
-reverse=1
-- -h
-v -session
-v -platform
-h -style
EOF
echo "command line: answers without a display"
