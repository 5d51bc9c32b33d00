#!/bin/sh
# The real program on a Wayland compositor, a headless Weston (weston, and Qt's Wayland platform
# from qt6-wayland): with the platform named and with Qt left to choose it from the session, the
# window must be mapped by the compositor and drawn, which a screenshot of its place shows:
# mostly white paper, and dark text on it.
#
# wayland_test.sh PROGRAM
set -u
program=$1
title="Brelvan, Inc. Unit Converter (http://www.brelvan.example/)"

fail() {
  echo "FAIL: $*" >&2
  [ -z "${work:-}" ] || { tail -n 20 "$work/weston.log"; cat "$work/program.log"; } >&2 2>/dev/null
  exit 1
}
for tool in weston weston-screenshooter weston-debug convert; do
  command -v "$tool" > /dev/null || fail "$tool is missing: install weston and imagemagick"
done
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so > /dev/null 2>&1 ||
  fail "Qt's Wayland platform is missing: install qt6-wayland"

# A short path: a socket's path may not be longer than 108 bytes.
work=$(mktemp -d /tmp/bvn-wl.XXXXXX)
chmod 700 "$work"
weston_pid= program_pid=
cleanup() {
  [ -z "$program_pid" ] || { kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null; }
  [ -z "$weston_pid" ] || { kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

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
export XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=bvn-wayland
unset DISPLAY
# The screenshooter and the scene graph need Weston's debug protocol.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
  --socket="$WAYLAND_DISPLAY" --idle-time=0 --config="$work/weston.ini" \
  --shell=desktop-shell.so --debug --log="$work/weston.log" > /dev/null 2>&1 &
weston_pid=$!
tries=0
until [ -S "$work/$WAYLAND_DISPLAY" ]; do
  tries=$((tries + 1))
  [ $tries -le 200 ] && kill -0 "$weston_pid" 2>/dev/null || fail "Weston did not start"
  sleep 0.05
done

for platform in wayland "from the session"; do
  echo "--- platform: $platform"
  if [ "$platform" = wayland ]; then
    QT_QPA_PLATFORM=wayland "$program" > "$work/program.log" 2>&1 &
  else
    env -u QT_QPA_PLATFORM "$program" > "$work/program.log" 2>&1 &
  fi
  program_pid=$!

  # The compositor maps a window once the program has committed a drawn buffer for it.
  place=
  tries=0
  while [ -z "$place" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || fail "Weston mapped no window titled '$title'"
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
    timeout 2 weston-debug scene-graph > "$work/scene.txt" 2>/dev/null
    place=$(awk -v t="top-level window '$title'" '
      index($0, t) { hit = 1; next }
      hit && /opaque: \(/ { gsub(/[\[\]():,>-]+/, " "); print $4 - $2 "x" $5 - $3 "+" $2 "+" $3; exit }
      hit && /View [0-9]+|^Layer/ { exit }' "$work/scene.txt")
    [ -n "$place" ] || sleep 0.1
  done
  echo "window at $place"

  drawn=false
  for try in 1 2 3 4 5; do
    rm -f "$work"/*.png
    (cd "$work" && timeout 5 weston-screenshooter > /dev/null 2>&1) || fail "weston-screenshooter failed"
    shot=$(ls "$work"/*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] || fail "no screenshot"
    fraction() { convert "$shot" -crop "$place" +repage -colorspace gray "$@" -format '%[fx:mean]' info:; }
    white=$(fraction -threshold 96%)
    dark=$(fraction -negate -threshold 70%)
    echo "white $white, dark $dark"
    if awk -v w="$white" -v d="$dark" 'BEGIN { exit !(w >= 0.5 && d >= 0.002 && d <= 0.4) }'; then
      drawn=true
      break
    fi
    sleep 0.3
  done
  $drawn || fail "the window's place does not show it drawn"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null
  program_pid=
done
echo "the window opens and is drawn on Wayland"
