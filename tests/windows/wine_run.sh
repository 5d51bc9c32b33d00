#!/bin/sh
# Runs a Windows program of the tests under Wine: CTest's CMAKE_CROSSCOMPILING_EMULATOR, and the
# runner of the Windows program's own tests. Within the tests' Wine session (wine_session.sh,
# named by BVN_WINE_SESSION) it draws on the session's virtual X server, on Qt's Windows platform.
# Wine hands Qt no variable whose name starts with QT_, but passes WINEQT_... on as QT_...
# Usage: wine_run.sh PROGRAM.exe [ARGUMENT...]
#        wine_run.sh --restart    ends the programs of the Wine prefix and Wine's desktop, which
#                                 also keeps the clipboard, for a fresh start; its server and
#                                 services keep running
#        wine_run.sh --stay       keeps Wine's server running until --stop
#        wine_run.sh --stop       ends Wine's server and everything of the prefix
set -eu
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/bvn-unit-converter/wine}"
# The prefix's programs and desktop, by process id: Wine's processes in this prefix that are not
# in a session of their own. Wine starts its server and each service in one of its own; the
# programs, and the desktop the first of them opens, stay in the session of whoever ran them.
programs() {
  for environment in $(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null); do
    process=${environment%/environ}
    case "$(readlink "$process/exe")" in
      */wine/wine | */wine/wine64 | */wine*-preloader) ;;
      *) continue ;;
    esac
    [ "$(sed 's/.*) //' "$process/stat" | cut -d' ' -f4)" = "${process#/proc/}" ] ||
      echo "${process#/proc/}"
  done 2>/dev/null
}
case "${1:-}" in
  --restart)
    kill -9 $(programs) 2>/dev/null || true
    deadline=$(($(date +%s) + 10))
    while [ -n "$(programs)" ]; do
      [ "$(date +%s)" -lt $deadline ] || { echo "Wine's programs outlived 10 s" >&2; exit 1; }
      sleep 0.1
    done
    exit 0
    ;;
  --stop)
    wineserver -k 2>/dev/null || true
    exec wineserver -w
    ;;
  --stay) exec wineserver -p ;;
esac
export WINEDEBUG="${WINEDEBUG:--all}"
# No offer to install Wine's .NET or HTML engines, and no menu entries on the Linux desktop for
# the shortcuts that the installer under test makes; a test's own overrides come first.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}mscoree,mshtml=;winemenubuilder.exe=d"
if [ -n "${BVN_WINE_SESSION:-}" ] && [ -s "$BVN_WINE_SESSION/display" ]; then
  DISPLAY=":$(cat "$BVN_WINE_SESSION/display")"
  export DISPLAY WINEQT_QPA_PLATFORM=windows
fi
# The Wine prefix is made ready once, whoever comes first; Wine makes it with the first program
# that runs in it. A program that crashes in it ends at
# once with an error status: Wine's debugger would show a crash dialog on the X server and hold
# the test until its time is up.
if [ ! -f "$WINEPREFIX/.bvn-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" sh -c '
    [ ! -f "$WINEPREFIX/.bvn-ready" ] || exit 0
    key="HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug"
    wine reg add "$key" /v Auto /d 1 /f && wine reg add "$key" /v Debugger /d "" /f &&
      touch "$WINEPREFIX/.bvn-ready"' >/dev/null 2>&1
fi
exec wine "$@"
