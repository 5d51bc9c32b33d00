#!/bin/sh
# The Windows program file as a user gets it, read back and run under Wine on the tests' virtual
# X server: its version information, icon and manifest; a GUI program that needs no DLL beside
# it; a window that opens centred and converts what is typed; a link that reaches the browser
# (Wine hands web addresses to the Linux desktop); File > Exit.
#
# exe_test.sh EXE RUNNER SESSION PRODUCT_NAME INTERNAL_NAME FILE_NAME VERSION
set -eu
exe=$1 runner=$2 session=$3 product_name=$4 internal_name=$5 file_name=$6 version=$7

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in exiftool wrestool icotool x86_64-w64-mingw32-objdump xdotool xclip; do
  command -v "$tool" >/dev/null ||
    fail "$tool is missing: install libimage-exiftool-perl, icoutils, binutils-mingw-w64-x86-64, xdotool and xclip"
done
work=$(mktemp -d)
pid=
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "--- the file"
field() { exiftool -s3 -"$1" "$exe"; }
[ "$(field ProductName)" = "$product_name" ] || fail "product name '$(field ProductName)'"
[ "$(field InternalName)" = "$internal_name" ] || fail "internal name '$(field InternalName)'"
[ "$(field OriginalFileName)" = "$file_name" ] || fail "file name '$(field OriginalFileName)'"
[ "$(field FileVersion)" = "$version" ] || fail "file version '$(field FileVersion)'"
[ "$(field ProductVersion)" = "$version" ] || fail "product version '$(field ProductVersion)'"
[ "$(field LanguageCode)" = "English (U.S.)" ] || fail "language '$(field LanguageCode)'"

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
sed -n 's/^[[:space:]]*DLL Name: //p' "$work/headers" | tr 'A-Z' 'a-z' | sed 's/\.dll$//' |
  sort -u >"$work/dlls"
windows_own='advapi32|comdlg32|d2d1|d3d11|d3d9|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|mpr|netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|winspool\.drv|ws2_32|wtsapi32|authz|api-ms-win-[a-z0-9-]+'
strangers=$(grep -vxE "$windows_own" "$work/dlls" | tr '\n' ' ' || true)
[ -z "$strangers" ] || fail "needs DLLs that Windows does not have: $strangers"
echo "version information, icon, manifest and imports as expected ($(wc -l <"$work/dlls") DLLs)"

echo "--- the window under Wine"
[ -s "$session/display" ] || fail "no Wine session in $session"
DISPLAY=":$(cat "$session/display")"
export DISPLAY
# The browser stands in for the desktop's: xdg-open, on a desktop of no particular kind, calls
# $BROWSER.
browser=$work/record-browser
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' "$work/browser.log" >"$browser"
chmod +x "$browser"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
export BROWSER=$browser

# A fresh Wine, as after logging in: the window tests before may leave Wine's clipboard deaf.
"$runner" --restart
started=$(date +%s%N)
BVN_WINE_SESSION=$session "$runner" "$exe" >"$work/out" 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --name "^Brelvan, Inc. Unit Converter" | head -n 1)
[ -n "$window" ] || { cat "$work/out"; fail "the window never appeared"; }
echo "window after $(( ($(date +%s%N) - started) / 1000000 )) ms"
sleep 1  # Wine places the window after it maps it
eval "$(xdotool getwindowgeometry --shell "$window")"
screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
left_gap=$X right_gap=$((screen_width - X - WIDTH))
[ $((left_gap - right_gap)) -le 2 ] && [ $((right_gap - left_gap)) -le 2 ] ||
  fail "the window is not centred: x $X, width $WIDTH on a screen $screen_width wide"

xdotool windowfocus --sync "$window"
# From the first category button, Tab reaches the yard box; typing there fills the metre box,
# which the next Tab selects whole, to be copied with Ctrl+Insert.
xdotool key --delay 100 Tab Tab Tab Tab Tab
xdotool type --delay 100 5
xdotool key --delay 100 Tab ctrl+Insert
# Wine hands the copy on to the X clipboard when asked, which may take a while.
tries=0
until metres=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null) && [ -n "$metres" ]; do
  tries=$((tries + 1))
  [ $tries -le 50 ] || break
  sleep 0.2
done
[ "$metres" = "4.572" ] || fail "5 yards typed, the metre box says '$metres', not 4.572"
echo "5 yd typed: 4.572 m"

# The link: in the banner, 168 x 88 pixels into the client area, below the menu bar.
client_top=$((HEIGHT - 293))
xdotool mousemove --window "$window" 200 $((client_top + 95)) click 1
tries=0
until [ -s "$work/browser.log" ]; do
  tries=$((tries + 1))
  [ $tries -le 150 ] || fail "the link reached no browser within 15 s"
  sleep 0.1
done
grep -qx 'http://www.brelvan.example/' "$work/browser.log" ||
  fail "the browser was asked for: $(cat "$work/browser.log")"
echo "the link opened http://www.brelvan.example/ in the browser"

xdotool windowfocus --sync "$window"
xdotool key --delay 200 alt+f x
status=0
timeout 30 tail --pid="$pid" -f /dev/null || fail "File > Exit did not end the program"
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { cat "$work/out"; fail "File > Exit: status $status"; }
echo "File > Exit: status 0"
