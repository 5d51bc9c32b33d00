#!/bin/sh
# Starts and stops what the Windows tests share: a virtual X server, whose display number goes
# into SESSION/display, and a ready Wine prefix.
# Usage: wine_session.sh start|stop SESSION
set -eu
what=$1 session=$2
runner=$(dirname "$0")/wine_run.sh
. "$(dirname "$0")/../lib.sh"

case "$what" in
  start)
    rm -rf "$session"
    mkdir -p "$session"
    x_server_start "$session" detached
    # The Wine prefix, made ready if it is new. Then Wine's server and services run for the
    # whole session, started by a program that does nothing, with no output shared with a test
    # (CTest waits for whatever holds it): else each test's program starts them, and they hold
    # its output for seconds after it ends. That program is not wineboot --init, which starts a
    # second service manager beside the first; then no service starts, and COM waits 10 s for
    # its RPC service in every Qt program.
    for step in "cmd /c exit" --stop --stay "cmd /c exit"; do
      BVN_WINE_SESSION=$session "$runner" $step >/dev/null 2>&1 </dev/null
    done
    echo "Xvfb on :$(cat "$session/display"), Wine prefix ready"
    ;;
  stop)
    "$runner" --stop >/dev/null 2>&1 </dev/null
    x_server_stop "$session"
    rm -rf "$session"
    ;;
  *) echo "usage: $0 start|stop SESSION" >&2; exit 2 ;;
esac
