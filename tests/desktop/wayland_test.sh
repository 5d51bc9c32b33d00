#!/bin/sh
# The real program on a Wayland compositor, a headless Weston (weston, and Qt's Wayland platform
# from qt6-wayland): with the platform named and with Qt left to choose it from the session, the
# window must be mapped by the compositor and drawn, which a screenshot of its place shows:
# mostly white paper, and dark text on it.
#
# wayland_test.sh PROGRAM
set -u
program=$1
. "$(dirname "$0")/../lib.sh"
needs "weston and imagemagick" weston weston-screenshooter weston-debug convert
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so > /dev/null 2>&1 ||
  fail "Qt's Wayland platform is missing: install qt6-wayland"

# A short path: a socket's path may not be longer than 108 bytes.
runtime=$(mktemp -d /tmp/bvn-wl.XXXXXX)
at_exit "rm -rf '$runtime'"
# No animations, panel or fading: the first frame shows the window as it is drawn.
cat > "$work/weston.ini" <<'INI'
[core]
idle-time=0
require-input=false
[shell]
startup-animation=none
animation=none
close-animation=none
focus-animation=none
background-color=0xff303030
panel-position=none
locking=false
[input-method]
path=
INI
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=bvn-wayland
unset DISPLAY
# The screenshooter and the scene graph need Weston's debug protocol.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
  --socket="$WAYLAND_DISPLAY" --idle-time=0 --config="$work/weston.ini" \
  --shell=desktop-shell.so --debug --log="$work/weston.log" > /dev/null 2>&1 &
track $!
show_on_failure "$work/weston.log"
wait_for 10 test -S "$runtime/$WAYLAND_DISPLAY" || fail "Weston did not start"

# The compositor maps a window once the program has committed a drawn buffer for it: $place,
# where it stands. Polling stops early when the program has ended.
mapped() {
  kill -0 "$program_pid" || return 0
  timeout 2 weston-debug scene-graph > "$work/scene.txt" 2> /dev/null
  place=$(awk -v t="top-level window '$window_title'" '
    index($0, t) { hit = 1; next }
    hit && /opaque: \(/ { gsub(/[\[\]():,>-]+/, " "); print $4 - $2 "x" $5 - $3 "+" $2 "+" $3; exit }
    hit && /View [0-9]+|^Layer/ { exit }' "$work/scene.txt")
  [ -n "$place" ]
}
# The window's place on a screenshot is mostly white and holds some dark text.
drawn() {
  rm -f "$work"/*.png
  (cd "$work" && timeout 5 weston-screenshooter) || return 1
  shot=$(ls "$work"/*.png | head -n 1)
  fraction() {
    convert "$shot" -crop "$place" +repage -colorspace gray "$@" -format '%[fx:mean]' info:
  }
  white=$(fraction -threshold 96%)
  dark=$(fraction -negate -threshold 70%)
  awk -v w="$white" -v d="$dark" 'BEGIN { exit !(w >= 0.5 && d >= 0.002 && d <= 0.4) }'
}

for platform in wayland "from the session"; do
  echo "--- platform: $platform"
  if [ "$platform" = wayland ]; then
    export QT_QPA_PLATFORM=wayland
  else
    unset QT_QPA_PLATFORM
  fi
  place=
  start_program "$program"
  wait_for 10 mapped
  kill -0 "$program_pid" || fail "the program ended"
  [ -n "$place" ] || fail "Weston mapped no window titled '$window_title'"
  echo "window at $place"
  white= dark=
  wait_for 3 drawn ||
    fail "the window's place does not show it drawn (white ${white:-?}, dark ${dark:-?})"
  echo "white $white, dark $dark"
  kill "$program_pid"
  wait "$program_pid" 2> /dev/null
done
echo "the window opens and is drawn on Wayland"
