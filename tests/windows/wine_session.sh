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
    # The Wine prefix, made if it is new and brought up to date otherwise.
    BVN_WINE_SESSION=$session "$runner" wineboot --init >/dev/null 2>&1 </dev/null
    echo "Xvfb on :$(cat "$session/display"), Wine prefix ready"
    ;;
  stop)
    x_server_stop "$session"
    rm -rf "$session"
    ;;
  *) echo "usage: $0 start|stop SESSION" >&2; exit 2 ;;
esac
