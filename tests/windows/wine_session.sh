#!/bin/sh
# Starts and stops what the Windows tests share: a virtual X server, whose display number goes
# into SESSION/display, and a ready Wine prefix.
# Usage: wine_session.sh start|stop SESSION
set -eu
what=$1 session=$2
runner=$(dirname "$0")/wine_run.sh

case "$what" in
  start)
    rm -rf "$session"
    mkdir -p "$session"
    # Detached, with its output in files: CTest waits for every holder of a test's output.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display" \
      >"$session/xvfb.log" 2>&1 </dev/null &
    echo $! >"$session/xvfb.pid"
    timeout 10 sh -c 'until [ -s "$1" ]; do sleep 0.1; done' - "$session/display" ||
      { cat "$session/xvfb.log"; echo "Xvfb did not start" >&2; exit 1; }
    # The Wine prefix, made if it is new and brought up to date otherwise.
    BVN_WINE_SESSION=$session "$runner" wineboot --init >/dev/null 2>&1 </dev/null
    echo "Xvfb on :$(cat "$session/display"), Wine prefix ready"
    ;;
  stop)
    [ ! -s "$session/xvfb.pid" ] || kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    rm -rf "$session"
    ;;
  *) echo "usage: $0 start|stop SESSION" >&2; exit 2 ;;
esac
