#!/bin/sh
# Runs a test program on an X server of its own, on Qt's X11 platform, with a stand-in browser
# (BROWSER, and its log in BVN_BROWSER_LOG) for any web address it opens.
# Usage: with_x.sh PROGRAM [ARGUMENT...]
set -eu
. "$(dirname "$0")/lib.sh"
start_x
stand_in_browser
export BVN_BROWSER_LOG="$browser_log"
status=0
"$@" || status=$?
exit $status
