#!/bin/sh
# The Windows program file as a user gets it, read back and run under Wine on the tests' virtual
# X server: version information, icon, manifest, a GUI program needing no DLL beside it; a window
# that opens centred and converts what is typed; a link that reaches the browser (Wine hands web
# addresses to the Linux desktop); File > Exit; --version without a console. The window is that of
# the program the installer installed for the user; uninstalling leaves nothing behind.
#
# exe_test.sh EXE MSI RUNNER SESSION PRODUCT_NAME INTERNAL_NAME FILE_NAME VERSION
set -eu
exe=$1 msi=$2 runner=$3 session=$4 product_name=$5 internal_name=$6 file_name=$7 version=$8

fail() { echo "FAIL: $*" >&2; exit 1; }
# Waits up to 10 s for the command to succeed.
wait_for() { tries=0; until eval "$1"; do tries=$((tries + 1)); [ $tries -le 50 ] || return 1; sleep 0.2; done; }
for tool in exiftool wrestool icotool x86_64-w64-mingw32-objdump xdotool xclip; do
  command -v "$tool" >/dev/null || fail "$tool is missing (see tools/install-packages.sh)"
done
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

for field in "ProductName=$product_name" "InternalName=$internal_name" "FileVersion=$version" \
  "OriginalFileName=$file_name" "ProductVersion=$version" "LanguageCode=English (U.S.)"; do
  value=$(exiftool -s3 -"${field%%=*}" "$exe")
  [ "$value" = "${field#*=}" ] || fail "${field%%=*} is '$value'"
done
# The icon: the three classic images first, then the large ones.
wrestool -x --type=group_icon "$exe" >"$work/icon.ico" || fail "no icon in the file"
icons=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\).*/\1x\2x\3/p' | tr '\n' ' ')
[ "$icons" = "32x32x8 16x16x8 16x16x4 48x48x32 256x256x32 " ] || fail "icon images: $icons"
wrestool -x --raw --type=24 --name=1 "$exe" >"$work/manifest.xml" || fail "no application manifest"
for part in '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '>PerMonitorV2<' \
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
  grep -qF "$part" "$work/manifest.xml" || fail "the manifest lacks $part"
done
x86_64-w64-mingw32-objdump -p "$exe" >"$work/headers"
grep -q '^Subsystem.*(Windows GUI)' "$work/headers" || fail "not a GUI program"
# Only libraries every Windows has, so that the file runs with nothing beside it.
strangers=$(sed -n 's/^[[:space:]]*DLL Name: //p' "$work/headers" | tr 'A-Z' 'a-z' |
  grep -vxE '(advapi32|authz|comdlg32|d3d11|d3d9|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+)\.dll|winspool\.drv' |
  tr '\n' ' ' || true)
[ -z "$strangers" ] || fail "needs DLLs that Windows does not have: $strangers"
echo "version information, icon, manifest and imports as expected"

[ -s "$session/display" ] || fail "no Wine session in $session"
export DISPLAY=":$(cat "$session/display")" BROWSER="$work/browser"
# The browser stands in for the desktop's: xdg-open, on a desktop of no particular kind, calls it.
printf '#!/bin/sh\necho "$@" >> "%s"\n' "$work/browser.log" >"$BROWSER"
chmod +x "$BROWSER"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

# A fresh Wine, as after logging in: the window tests before may leave Wine's clipboard deaf.
"$runner" --restart

# The installer, silent: the program in the user's own programs folder, a Start-menu shortcut,
# an entry among the installed programs.
folder() { "$runner" winepath -u "$("$runner" cmd /c echo "%$1%" | tr -d '\r')"; }
installed="$(folder LOCALAPPDATA)/Programs/$product_name/$file_name"
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/$product_name.lnk"
msi=$("$runner" winepath -w "$msi")
"$runner" msiexec /i "$msi" /qn || fail "msiexec /i: status $?"
[ -f "$installed" ] && [ -f "$shortcut" ] || fail "no program or no shortcut after the install"
"$runner" uninstaller --list | grep -q "|||$product_name\$" || fail "not among the installed programs"
echo "installed: the program, its shortcut and its entry"

started=$(date +%s%N)
BVN_WINE_SESSION=$session "$runner" "$installed" >"$work/out" 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --name "^Brelvan, Inc. Unit Converter" | head -n 1)
[ -n "$window" ] || { cat "$work/out"; fail "the window never appeared"; }
echo "window after $((($(date +%s%N) - started) / 1000000)) ms"
sleep 1 # Wine places the window after it maps it
eval "$(xdotool getwindowgeometry --shell "$window")"
gap=$(($(xdotool getdisplaygeometry | cut -d' ' -f1) - 2 * X - WIDTH)) # right gap less left
[ "$gap" -ge -2 ] && [ "$gap" -le 2 ] || fail "the window is not centred: x $X, width $WIDTH"

# From the first category button, Tab reaches the yard box; typing there fills the metre box,
# which the next Tab selects whole, to be copied with Ctrl+Insert.
xdotool windowfocus --sync "$window" key --delay 100 Tab Tab Tab Tab Tab type --delay 100 5
xdotool key --delay 100 Tab ctrl+Insert
wait_for 'metres=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null) && [ -n "$metres" ]' || true
[ "$metres" = "4.572" ] || fail "5 yards typed, the metre box says '$metres', not 4.572"
echo "5 yd typed: 4.572 m"

# The link: in the banner, 168 x 88 pixels into the client area, below the menu bar.
xdotool mousemove --window "$window" 200 $((HEIGHT - 293 + 95)) click 1
wait_for '[ -s "$work/browser.log" ]' || fail "the link reached no browser"
[ "$(cat "$work/browser.log")" = "http://www.brelvan.example/" ] ||
  fail "the browser was asked for: $(cat "$work/browser.log")"
echo "the link opened http://www.brelvan.example/ in the browser"

xdotool windowfocus --sync "$window" key --delay 200 alt+f x
timeout 30 tail --pid="$pid" -f /dev/null || fail "File > Exit did not end the program"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { cat "$work/out"; fail "File > Exit: status $status"; }
echo "File > Exit: status 0"

# Started from Explorer, with no console to answer in, --version answers in a message box.
BVN_WINE_SESSION=$session "$runner" start /unix "$exe" --version </dev/null >"$work/out" 2>&1
box=$(timeout 30 xdotool search --sync --name "^$product_name\$" | head -n 1)
[ -n "$box" ] || { cat "$work/out"; fail "--version without a console showed no message box"; }
xdotool windowfocus --sync "$box" key Return
echo "--version without a console: a message box"

"$runner" msiexec /x "$msi" /qn || fail "msiexec /x: status $?"
[ ! -e "$(dirname "$installed")" ] && [ ! -e "$shortcut" ] || fail "files left after uninstalling"
! "$runner" uninstaller --list | grep -q "$product_name" || fail "still listed after uninstalling"
echo "uninstalled: nothing left"
