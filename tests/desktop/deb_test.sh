#!/bin/sh
# Builds the Debian package twice with dpkg-buildpackage (nocheck: the suite runs on its own),
# from copies of the source made in two folders at two times, the second built under another time
# zone and umask, and requires identical bytes, no lintian error or warning and hardening-check's
# yes. Then checks the control fields (the libraries' packages come from dpkg-shlibdeps; the fonts
# the captions are measured in, and Qt's Wayland platform, are named by hand), dates and contents,
# installs the package, starts the installed program headless, asks its --version and manual
# page, and removes the package again.
#
# In CI (CI=true) the package goes into the system with dpkg -i, as root or through sudo, where
# its autopkgtests run, and out with dpkg -r; there, without root or sudo, everything else runs
# on a copy unpacked into a scratch root, and the test then reports itself skipped. Elsewhere, or
# when a copy is installed already, it is unpacked into a scratch root too.
#
# deb_test.sh SOURCE_DIR SCRATCH_DIR PACKAGE VERSION APP_ID
set -eu
source=$1 scratch=$2 package=$3 version=$4 app_id=$5

. "$(dirname "$0")/../lib.sh"

installed() { dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; }
system=false not_installed=
if [ "${CI:-}" != true ]; then
  echo "not in CI (CI=true): the package will be unpacked into a scratch root, not installed"
elif installed; then
  echo "$package is installed already; unpacking into a scratch root instead"
elif have_root; then
  system=true
  at_exit "installed && $as_root dpkg -r $package"
else
  not_installed="installing the package with dpkg -i $(without_root)"
  echo "$not_installed; unpacking into a scratch root instead"
fi

rm -rf "$scratch"
mkdir -p "$scratch"
# build FOLDER UMASK TZ: builds from a copy of the files git lists, made now, in FOLDER/src.
build() {
  mkdir -p "$scratch/$1/src"
  (cd "$source" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
    tar -xmf - -C "$scratch/$1/src"
  (cd "$scratch/$1/src" && umask "$2" &&
    TZ=$3 DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b > ../build.log 2>&1) ||
    { tail -n 40 "$scratch/$1/build.log"; fail "dpkg-buildpackage failed in $1"; }
}
build first 022 UTC
build second-build 002 Pacific/Kiritimati
for built in "$scratch"/first/*.deb; do
  cmp "$built" "$scratch/second-build/${built##*/}" || fail "the two builds of ${built##*/} differ"
done
(cd "$scratch" && sha256sum -- */*.deb)
deb=$scratch/first/${package}_${version}_$(dpkg --print-architecture).deb

lintian --fail-on error,warning --display-info --pedantic "$scratch"/first/*.changes ||
  fail "lintian finds errors or warnings"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
# Control flow protection is not among the flags bookworm's dpkg-buildflags gives.
hardening-check --nocfprotection "$root/usr/bin/$package" || fail "hardening-check"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$package" ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = "utils" ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
names() { tr ',' '\n' | grep -q "^ *$1\( \|$\)"; }
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libc6 \
           libstdc++6 fonts-liberation; do
  echo "$depends" | names "$lib" || fail "Depends does not name $lib"
done
recommends=$(field Recommends)
echo "Recommends: $recommends"
echo "$recommends" | names qt6-wayland || fail "Recommends does not name qt6-wayland"

dpkg-deb -c "$deb" | awk '{print $NF}' > "$scratch/contents"
for path in ./usr/bin/$package ./usr/share/applications/$app_id.desktop \
            ./usr/share/metainfo/$app_id.metainfo.xml \
            ./usr/share/icons/hicolor/16x16/apps/$app_id.png \
            ./usr/share/icons/hicolor/256x256/apps/$app_id.png \
            ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
            ./usr/share/man/man1/$package.1.gz; do
  grep -qxF "$path" "$scratch/contents" || fail "the package lacks $path"
done
# Every date is the changelog's.
date=$(date -u -d "@$(dpkg-parsechangelog -l "$source/debian/changelog" -STimestamp)" +%F)
zcat "$root/usr/share/man/man1/$package.1.gz" | grep -q "^\.TH .* \"$date\"" || fail "man page date"
grep -q "date=\"$date\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo date"
unexpected=$(grep -v -e '/$' -e '^\./usr/bin/' -e '^\./usr/share/' "$scratch/contents" || true)
[ -z "$unexpected" ] || fail "the package holds files outside /usr/bin and /usr/share: $unexpected"

if $system; then
  $as_root dpkg -i "$deb" > "$scratch/dpkg-i.log" 2>&1 ||
    { cat "$scratch/dpkg-i.log"; fail "dpkg -i failed"; }
  root=
  dpkg -L "$package" | grep -qxF "/usr/share/applications/$app_id.desktop" ||
    fail "dpkg -L does not list the desktop entry"
  $as_root autopkgtest --no-built-binaries "$scratch/first/src/" -- null \
    > "$scratch/autopkgtest.log" 2>&1 ||
    { cat "$scratch/autopkgtest.log"; fail "autopkgtest"; }
  sed -n '/@@@ summary/,$p' "$scratch/autopkgtest.log"
fi
program=$root/usr/bin/$package
[ -x "$program" ] || fail "no program at $program"
if ldd "$program" | grep -q 'not found'; then
  ldd "$program"
  fail "the installed program misses libraries"
fi

[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" = "BVN Unit Converter $version" ] ||
  fail "the installed program's --version"
if $system; then
  man -w "$package" > /dev/null 2>&1 || fail "man finds no manual page for $package"
fi

# Headless start: it must still be running after 2 s, having shown no error.
export QT_QPA_PLATFORM=offscreen
start_program "$program"
sleep 2
if ! kill -0 "$program_pid"; then
  status=0
  wait "$program_pid" || status=$?
  fail "the installed program ended within 2 s (status $status)"
fi
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
echo "the installed program started and kept running"

if $system; then
  $as_root dpkg -r "$package" > "$scratch/dpkg-r.log" 2>&1 ||
    { cat "$scratch/dpkg-r.log"; fail "dpkg -r failed"; }
  [ ! -e "/usr/bin/$package" ] || fail "/usr/bin/$package is still there after dpkg -r"
  [ ! -e "/usr/share/applications/$app_id.desktop" ] || fail "the desktop entry outlived dpkg -r"
  ! installed || fail "$package is still installed after dpkg -r"
  echo "installed with dpkg -i and removed with dpkg -r"
fi
rm -rf "$scratch"
[ -z "$not_installed" ] || skip "$not_installed; everything else passed"
