#!/bin/sh
# The Windows program file as a user gets it, read back and run under Wine on the tests' virtual
# X server: version information, icon, manifest, a GUI program needing no DLL beside it; a window
# that opens centred and converts what is typed; a link that reaches the browser (Wine hands web
# addresses to the Linux desktop); File > Exit; --version without a console. The window is that of
# the program the installer installed for the user; uninstalling leaves nothing behind.
#
# exe_test.sh EXE MSI ICO RUNNER SESSION PRODUCT_NAME INTERNAL_NAME FILE_NAME VERSION WEB_ADDRESS
set -eu
exe=$1 msi=$2 ico=$3 runner=$4 session=$5 product_name=$6 internal_name=$7 file_name=$8 version=$9
web_address=${10}
. "$(dirname "$0")/../lib.sh"
needs "libimage-exiftool-perl, icoutils, binutils-mingw-w64-x86-64, msitools, xdotool, xclip and x11-xkb-utils" \
  exiftool wrestool icotool x86_64-w64-mingw32-objdump msiextract xdotool xclip setxkbmap

check_program_resources "$exe" "$ico" "$product_name" "$internal_name" "$file_name" "$version"
x86_64-w64-mingw32-objdump -p "$exe" >"$work/headers"
grep -q '^Subsystem.*(Windows GUI)' "$work/headers" || fail "not a GUI program"
python3 "$(dirname "$0")/pe_imports.py" "$exe" | tr 'A-Z' 'a-z' >"$work/imports"
# Only libraries every Windows has, so that the file runs with nothing beside it.
strangers=$(cut -d' ' -f2 "$work/imports" |
  grep -vxE '(advapi32|authz|comdlg32|d3d11|d3d9|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+)\.dll|winspool\.drv' |
  paste -sd ' ' || true)
[ -z "$strangers" ] || fail "needs DLLs that Windows does not have: $strangers"
# Loaded with the program, before its first instruction tells Windows to search System32 alone:
# only kernel32, the C runtime and API sets, none of which Windows looks for beside the program,
# and none of which imports a library it would.
exposed=$(sed -n 's/^import //p' "$work/imports" |
  grep -vxE '(kernel32|msvcrt|api-ms-win-[a-z0-9-]+)\.dll' | paste -sd ' ' || true)
[ -z "$exposed" ] ||
  fail "loads, before its first instruction: $exposed (import them late: cmake/WindowsImports.cmake)"
echo "version information, icon, manifest and imports as expected"

# The installer is the one made with this program file, not one left from an earlier build: the
# program file it installs holds the same code.
mkdir "$work/msi"
msiextract -C "$work/msi" "$msi" >/dev/null
code() { x86_64-w64-mingw32-objcopy -O binary --only-section=.text "$1" "$2"; }
code "$exe" "$work/built.text" && code "$(find "$work/msi" -name "$file_name")" "$work/packed.text"
cmp -s "$work/built.text" "$work/packed.text" ||
  fail "the installer holds another program than $exe: run tools/windows.sh"

[ -s "$session/display" ] || fail "no Wine session in $session"
export DISPLAY=":$(cat "$session/display")" BVN_WINE_SESSION="$session" BVN_TEST_RUNNER="$runner"
stand_in_browser

# A fresh Wine, as after logging in: the window tests before may leave Wine's clipboard deaf.
"$runner" --restart

# The installer, silent: the program in the user's own programs folder, a Start-menu shortcut,
# an entry among the installed programs.
folder() { "$runner" winepath -u "$("$runner" cmd /c echo "%$1%" | tr -d '\r')"; }
installed="$(folder LOCALAPPDATA)/Programs/$product_name/$file_name"
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/$product_name.lnk"
msi=$("$runner" winepath -w "$msi")
# Whatever happens, the next run starts from a prefix without the program.
at_exit "'$runner' msiexec /x '$msi' /qn"
"$runner" msiexec /i "$msi" /qn || fail "msiexec /i: status $?"
[ -f "$installed" ] && [ -f "$shortcut" ] || fail "no program or no shortcut after the install"
# Wine's programs end their lines in CR LF.
"$runner" uninstaller --list | tr -d '\r' | grep -q "|||$product_name\$" ||
  fail "not among the installed programs"
echo "installed: the program, its shortcut and its entry"

started=$(date +%s%N)
start_program "$installed"
wait_for_window 60
echo "window after $((($(date +%s%N) - started) / 1000000)) ms"
sleep 1 # Wine places the window after it maps it
eval "$(xdotool getwindowgeometry --shell "$window")"
gap=$(($(xdotool getdisplaygeometry | cut -d' ' -f1) - 2 * X - WIDTH)) # right gap less left
[ "$gap" -ge -2 ] && [ "$gap" -le 2 ] || fail "the window is not centred: x $X, width $WIDTH"

# From the first category button, Tab reaches the yard box; typing there fills the metre box,
# which the next Tab selects whole, to be copied with Ctrl+Insert.
timeout 20 xdotool windowfocus --sync "$window" key --delay 100 Tab Tab Tab Tab Tab \
  type --delay 100 5 || fail "the window did not take the keys"
xdotool key --delay 100 Tab
copy_box "5 yd typed, the metre box" 4.572

# Under a German X layout, which Wine passes on, the keypad's decimal key is VK_DECIMAL typing ",";
# it types the point, and the main block's comma stays refused. Set while Wine is connected (X
# resets its keymap when its last client leaves), and put back for the tests that follow.
layout=$(setxkbmap -query | sed -n 's/^layout: *//p')
at_exit "setxkbmap '$layout'"
setxkbmap de
xdotool key --delay 100 shift+Tab KP_5 comma KP_Separator KP_5 Tab
copy_box "German layout, keypad 5, comma, decimal, 5 in yd: the metre box" 5.0292
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab space Tab Tab KP_5 KP_Separator KP_5 Tab
copy_box "German layout, keypad 5, decimal, 5 in the Celsius box: the Fahrenheit box" 41.9
echo "German layout: keypad 5, decimal, 5 gives 5.0292 m from yd and 41.9 F from C"

# The link: in the banner, 168 x 88 pixels into the client area, below the menu bar.
xdotool mousemove --window "$window" 200 $((HEIGHT - 293 + 95)) click 1
wait_for 10 test -s "$browser_log" || fail "the link reached no browser"
[ "$(cat "$browser_log")" = "$web_address" ] ||
  fail "the browser was asked for: $(cat "$browser_log")"
echo "the link opened $web_address in the browser"

file_exit

# Started from Explorer, with no console to answer in, --version answers in a message box.
"$runner" start /unix "$exe" --version </dev/null >"$work/out" 2>&1
focus_window 30 "$product_name" ||
  { cat "$work/out"; fail "--version without a console showed no message box"; }
xdotool key Return
echo "--version without a console: a message box"

"$runner" msiexec /x "$msi" /qn || fail "msiexec /x: status $?"
[ ! -e "$(dirname "$installed")" ] && [ ! -e "$shortcut" ] || fail "files left after uninstalling"
! "$runner" uninstaller --list | grep -q "$product_name" || fail "still listed after uninstalling"
echo "uninstalled: nothing left"
