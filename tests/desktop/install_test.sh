#!/bin/sh
# Installs the build into a scratch root with `cmake --install` and checks what a desktop needs:
# the program, a valid desktop entry that names it and a themed icon, valid AppStream metainfo
# with the release, and the icon theme's sizes.
#
# install_test.sh BUILD_DIR SCRATCH_DIR APP_ID EXECUTABLE PRODUCT_NAME VERSION "ICON_SIZES"
set -eu
build=$1 scratch=$2 app_id=$3 executable=$4 product_name=$5 version=$6 sizes=$7

. "$(dirname "$0")/../lib.sh"

rm -rf "$scratch"
mkdir -p "$scratch"
root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr > "$scratch/install.log" ||
  { cat "$scratch/install.log"; fail "cmake --install failed"; }
usr=$root/usr

# The program.
[ -x "$usr/bin/$executable" ] || fail "no program at /usr/bin/$executable"

# The desktop entry: its file name is the id the program gives itself at start-up.
desktop=$usr/share/applications/$app_id.desktop
[ -f "$desktop" ] || fail "no desktop entry $app_id.desktop"
desktop-file-validate "$desktop" > "$scratch/desktop-file-validate.log" 2>&1 ||
  { cat "$scratch/desktop-file-validate.log"; fail "desktop-file-validate rejects the entry"; }
if [ -s "$scratch/desktop-file-validate.log" ]; then
  cat "$scratch/desktop-file-validate.log"
  fail "desktop-file-validate has remarks"
fi
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "$product_name" ] || fail "Name is '$(key Name)', not '$product_name'"
[ "$(key Exec)" = "$executable" ] || fail "Exec is '$(key Exec)', not '$executable'"
[ "$(key Icon)" = "$app_id" ] || fail "Icon is '$(key Icon)', not the themed name '$app_id'"
[ "$(key Categories)" = "Utility;Calculator;" ] || fail "Categories is '$(key Categories)'"
[ "$(key Terminal)" = "false" ] || fail "Terminal is '$(key Terminal)'"
[ "$(key Type)" = "Application" ] || fail "Type is '$(key Type)'"
# The program announces the same id, so the desktop matches its windows to the entry.
grep -q -a -F "$app_id" "$usr/bin/$executable" ||
  fail "the program does not carry its desktop file name '$app_id'"

# The metainfo.
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo $app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" ||
  fail "appstreamcli validate rejects the metainfo"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the metainfo"
grep -q "<screenshot" "$metainfo" || fail "no screenshot in the metainfo"
grep -q "<description>" "$metainfo" || fail "no description in the metainfo"

# The icons, each at its size, and the scalable one.
[ -n "$sizes" ] || fail "no icon sizes to check"
for size in $sizes; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  actual=$(identify -format '%m %wx%h' "$icon")
  [ "$actual" = "PNG ${size}x${size}" ] || fail "the ${size}x${size} icon is $actual"
done
svg=$usr/share/icons/hicolor/scalable/apps/$app_id.svg
[ -f "$svg" ] || fail "no scalable icon"
rsvg-convert -w 64 -h 64 "$svg" -o "$scratch/scalable.png" || fail "the scalable icon does not render"

# The manual page, in section 1: groff reads it without a warning, and it documents the keys,
# the clipboard keys among them, and the exit status.
manpage=$usr/share/man/man1/$executable.1.gz
[ -f "$manpage" ] || fail "no manual page man1/$executable.1.gz"
zcat "$manpage" | groff -man -ww -z -Tutf8 2> "$scratch/groff.log" || fail "groff cannot read the manual page"
[ ! -s "$scratch/groff.log" ] || { cat "$scratch/groff.log"; fail "groff warns about the manual page"; }
zcat "$manpage" | groff -man -Tutf8 -P-cbou 2> /dev/null > "$scratch/manpage.txt"
for section in "KEYBOARD" "EXIT STATUS" "Shift+Insert" "Ctrl+Insert" "Shift+Delete" "--version"; do
  grep -qF -- "$section" "$scratch/manpage.txt" || fail "the manual page does not mention $section"
done

echo "installed layout is complete"
rm -rf "$scratch"
