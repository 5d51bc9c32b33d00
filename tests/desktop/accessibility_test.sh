#!/bin/sh
# The window as a screen reader meets it, through the real accessibility bus: a virtual X server,
# a private D-Bus session, the AT-SPI bus and registry (at-spi2-core), the real program, and
# accessibility_client.py reading the tree with libatspi (python3-gi, gir1.2-atspi-2.0), and the
# screen reader Orca listening while the client moves through the window with xdotool. The
# browser is a script that records the address it is asked to open.
#
# accessibility_test.sh PROGRAM CLIENT_PY
set -eu
if [ -z "${BVN_IN_SESSION:-}" ]; then  # again, inside a private session bus
  BVN_IN_SESSION=1 exec dbus-run-session -- sh "$0" "$@"
fi
program=$1 client=$2

. "$(dirname "$0")/../lib.sh"
for tool in Xvfb dbus-send /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
  command -v "$tool" > /dev/null ||
    fail "$tool is missing: install xvfb, dbus and at-spi2-core"
done
for tool in orca xdotool; do
  command -v "$tool" > /dev/null || fail "$tool is missing: install $tool"
done
# The system's Python, which has the GObject bindings; a Python of one's own may not.
python=/usr/bin/python3
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' ||
  fail "libatspi for Python is missing: install python3-gi and gir1.2-atspi-2.0"

mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"
start_x

# The accessibility bus. Asking for its address before the launcher owns its name would have
# D-Bus start a second launcher.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 2> "$work/launcher.log" &
track $!
owned() { dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner "string:$2" | grep -q 'boolean true'; }
wait_for 10 owned "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus || fail "the AT-SPI bus did not start"
bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | tr -d ' ')
/usr/libexec/at-spi2-registryd > "$work/registry.log" 2>&1 &
track $!
wait_for 10 owned "$bus" org.a11y.atspi.Registry || fail "the AT-SPI registry did not start"

stand_in_browser

# No print service listens on cups.sock, so File > Print finds no printer.
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY \
  XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb \
  CUPS_SERVER="$work/cups.sock" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" \
  > "$work/program.log" 2>&1 &
track $!
# Orca with speech off and settings of its own. It writes its debug log line by line only to a
# terminal, so it runs under script(1), which keeps what the terminal shows in orca.log.
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$work/orca" \
  script -qfec 'exec orca --disable speech --debug-file /dev/stdout' "$work/orca.log" \
  < /dev/null > /dev/null 2>&1 &
track $!

status=0
"$python" "$client" "$browser_log" "$work/orca.log" || status=$?
[ $status -eq 0 ] || { cat "$work/program.log"; fail "the screen reader's view (see above)"; }
