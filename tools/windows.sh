#!/usr/bin/env bash
# Builds the Windows program on Debian 12: "build/windows/Brelvan Unit Converter.exe", one
# self-contained x86-64 file, and beside it a zip for download with a read-me and the licences,
# and a Windows Installer package that installs it for the user.
# The Windows builds of the tests come with it, in build/mingw, for tools/test.sh to run under
# Wine. The first run builds a static Qt for Windows from Debian's own qtbase source (about 20
# minutes on 2 cores) and GoogleTest into a cache outside the tree; later runs reuse them.
#
# Usage: tools/windows.sh                 builds everything and packs it into build/windows
#        tools/windows.sh --program-only  builds the program alone, and packs it
#        tools/windows.sh --pack FOLDER   packs the program already built into FOLDER
#
# Environment:
#   BVN_WINDOWS_CACHE  the cache (default ${XDG_CACHE_HOME:-$HOME/.cache}/bvn-unit-converter)
#   BVN_WINDOWS_QT     a static MinGW-w64 Qt of your own to link against instead of building one
#   BVN_SIGNING_PFX    a PKCS #12 file with the publisher's code-signing certificate and its key:
#                      the program file and the installer are then signed (Authenticode, SHA-256)
#   BVN_SIGNING_PASSWORD       the password of that file
#   BVN_SIGNING_TIMESTAMP_URL  an RFC 3161 time-stamping service to countersign with (optional)
set -euo pipefail
mode=${1:-all} out=
case "$mode" in
  all | --program-only) ;;
  --pack)
    out=$(realpath -m "${2:?tools/windows.sh --pack FOLDER}")
    # The folder is the caller's: it is filled, never emptied first.
    [ ! -e "$out" ] || [ -z "$(ls -A "$out")" ] || { echo "$out is not empty" >&2; exit 2; }
    ;;
  *) echo "usage: $0 [--program-only | --pack FOLDER]" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
source_dir=$PWD
tools/install-packages.sh windows
# The signing password goes into a file only this user can read, for osslsigncode to read: it is
# never on a command line, which every user can see, nor in what the build prints, and no program
# the build starts inherits it.
password_file=
if [ -n "${BVN_SIGNING_PFX:-}" ]; then
  [ -f "$BVN_SIGNING_PFX" ] || { echo "BVN_SIGNING_PFX: no file $BVN_SIGNING_PFX" >&2; exit 1; }
  password_file=$(mktemp)
  printf '%s' "${BVN_SIGNING_PASSWORD:-}" >"$password_file"
  unset BVN_SIGNING_PASSWORD
fi
# One commit makes the same files, wherever and whenever it is built: every time written into
# them (Qt's resources, the stripped program file's header, the zip's and the installer's
# entries) is that of the last commit, unless the builder sets another.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH

# The static Qt: the options that shape it, written once. Another list, or another Qt version,
# builds into a cache folder of its own.
qt_options=(
  -release -static -optimize-size # one small program file that holds Qt
  -nomake examples -nomake tests
  -no-opengl # the window paints with Qt's raster engine
  # Modules the program does not use.
  -no-dbus -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
  # Debian's source leaves out the Wintab headers that tablet input needs on Windows.
  -no-feature-tabletevent
  # PNG is the only image format the program reads.
  -no-libjpeg -no-gif -no-ico -no-feature-movie -no-feature-imageformat_ppm
  -no-feature-imageformat_xbm -no-feature-raster-64bit -no-feature-raster-fp
  # Dialogs it never shows: it prints without one, a printer that asks where to save gets
  # Windows' own save dialog, and its message boxes are QMessageBoxes.
  -no-feature-colordialog -no-feature-errormessage -no-feature-filedialog -no-feature-fontdialog
  -no-feature-printdialog -no-feature-printpreviewdialog -no-feature-printpreviewwidget
  -no-feature-progressdialog -no-feature-wizard
  # Widgets and models it never shows. The Windows style itself needs the item, list, tree and
  # table views, tab bars, spin boxes and combo boxes, and Qt's precompiled headers the text
  # editor and the input dialog, so those stay.
  -no-feature-columnview -no-feature-listwidget -no-feature-treewidget -no-feature-tablewidget
  -no-feature-completer -no-feature-proxymodel -no-feature-stringlistmodel
  -no-feature-datawidgetmapper -no-feature-dockwidget -no-feature-statusbar -no-feature-sizegrip
  -no-feature-mdiarea -no-feature-toolbox -no-feature-splitter -no-feature-calendarwidget
  -no-feature-datetimeedit -no-feature-dial -no-feature-lcdnumber -no-feature-keysequenceedit
  -no-feature-splashscreen -no-feature-syntaxhighlighter -no-feature-graphicsview
  -no-feature-graphicseffect -no-feature-rubberband -no-feature-gestures -no-feature-whatsthis
  -no-feature-systemtrayicon -no-feature-undocommand -no-feature-commandlinkbutton
  # Text formats, calendars and system services it never uses; SHA-3 small rather than fast.
  -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
  -no-feature-mimetype -no-feature-timezone -no-feature-hijricalendar
  -no-feature-islamiccivilcalendar -no-feature-jalalicalendar -no-feature-sharedmemory
  -no-feature-systemsemaphore -no-feature-sha3-fast
)
# Direct2D stays on, as by default: in Qt 6.4 the DirectWrite font code builds only with it.
# The third-party code of Qt's source that such a Qt holds, for the licence notices.
qt_third_party=(blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md5 pcre2
  pixman rfc6234 sha1 sha3 tinycbor zlib)

qt_package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev) # the host Qt's, whose tools build it
qt_version=${qt_package_version%%+*}
toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake
cache=${BVN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/bvn-unit-converter}
qt_key=$(printf '%s\n' "$qt_package_version" "${qt_options[@]}" | cat - "$toolchain" |
  sha256sum | cut -c1-12)
qt_prefix=${BVN_WINDOWS_QT:-$cache/windows-qt-$qt_version-$qt_key}
googletest_version=$(dpkg-query -W -f='${Version}' googletest)
googletest_prefix=$cache/windows-googletest-$googletest_version
jobs=$(nproc)

# Debian's qtbase source, with Debian's patches, of the same version as the host Qt, unpacked
# into the folder $1; prints the source tree's path.
get_qt_source() {
  (cd "$1" && apt-get source -qq "qt6-base=$qt_package_version" >/dev/null 2>&1) ||
    { echo "apt-get source qt6-base failed: apt needs a deb-src entry" >&2; exit 1; }
  find "$1" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1
}

# Copies the licences that go into the zip from the Qt source tree $1 into the folder $2: Qt's
# own, and those of its third-party code.
copy_licences() {
  mkdir -p "$2"
  cp -r "$1/LICENSES" "$2/"
  for part in "${qt_third_party[@]}"; do
    mkdir -p "$2/3rdparty/$part"
    find "$1/src/3rdparty/$part" -maxdepth 1 -type f \( -iname '*licen[cs]e*' \
      -o -iname 'copying*' -o -name qt_attribution.json \) -exec cp {} "$2/3rdparty/$part/" \;
  done
}

build_qt() {
  local work=$cache/qt-build-$qt_key
  rm -rf "$work" "$qt_prefix"
  mkdir -p "$work"
  echo "Building a static Qt $qt_version for Windows into $qt_prefix (once)"
  local src
  src=$(get_qt_source "$work")
  mkdir -p "$work/qt"
  (cd "$work/qt" && "$src/configure" -prefix "$qt_prefix" "${qt_options[@]}" -qt-host-path /usr \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/configure.log")
  cmake --build "$work/qt" -j "$jobs"
  cmake --install "$work/qt" >/dev/null
  copy_licences "$src" "$qt_prefix/share/licenses/qtbase"
  rm -rf "$work"
  touch "$qt_prefix/.complete"
}

# The licences of a Qt of the user's own: those it carries, where it was built by this script,
# else those of Debian's qtbase source, fetched once into the cache.
own_qt_licences() {
  if [ -d "$qt_prefix/share/licenses/qtbase/LICENSES" ]; then
    echo "$qt_prefix/share/licenses/qtbase"
    return
  fi
  local licences=$cache/qt-licences-$qt_package_version
  if [ ! -f "$licences/.complete" ]; then
    local work
    work=$(mktemp -d)
    rm -rf "$licences"
    copy_licences "$(get_qt_source "$work")" "$licences"
    rm -rf "$work"
    touch "$licences/.complete"
  fi
  echo "$licences"
}

if [ "$mode" != --pack ]; then
  [ -n "${BVN_WINDOWS_QT:-}" ] || [ -f "$qt_prefix/.complete" ] || build_qt
  # GoogleTest for the Windows builds of the tests.
  tools/build-googletest.sh "$toolchain" "$googletest_prefix" "$jobs"

  # The program and the tests.
  export BVN_WINDOWS_PREFIX="$qt_prefix;$googletest_prefix"
  cmake --preset mingw >/dev/null
  if [ "$mode" = --program-only ]; then
    cmake --build --preset mingw -j "$jobs" --target "$(cat build/mingw/program-target.txt)"
  else
    cmake --build --preset mingw -j "$jobs"
  fi
fi

# The program file, stripped, the zip and the installer.
build=build/mingw
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cached CMAKE_PROJECT_VERSION)
program=$(cat "$build/program-file.txt")
file_name=$(basename "$program")
# The Qt the program was linked against, which may be the user's own.
linked_qt_version=$(cat "$build/qt-version.txt")
package_path=$(cat "$build/windows-package.txt")
package=$(basename "$package_path")
if [ -z "$out" ]; then
  out=$(dirname "$package_path")
  rm -rf "$out"
fi
mkdir -p "$out"
stage=$(mktemp -d)
trap 'rm -rf "$stage" ${password_file:+"$password_file"}' EXIT

# sign FILE: signs the program file or the installer in place, with Authenticode and SHA-256,
# naming the program and its web address, when the publisher gave a certificate.
sign() {
  [ -n "$password_file" ] || return 0
  osslsigncode sign -pkcs12 "$BVN_SIGNING_PFX" -readpass "$password_file" -h sha256 \
    -n "$(sed -n 1p "$build/signing-names.txt")" -i "$(sed -n 2p "$build/signing-names.txt")" \
    ${BVN_SIGNING_TIMESTAMP_URL:+-ts "$BVN_SIGNING_TIMESTAMP_URL"} \
    -in "$1" -out "$stage/signed" >/dev/null || { echo "signing $1 failed" >&2; exit 1; }
  mv "$stage/signed" "$1"
  echo "Signed: $1"
}

x86_64-w64-mingw32-strip -o "$out/$file_name" "$program"
sign "$out/$file_name"
folder=$stage/$package
mkdir -p "$folder/licenses"
cp "$out/$file_name" "$folder/"
sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/$linked_qt_version/g" \
  resources/windows/README.txt.in >"$folder/README.txt"
cp LICENSE "$folder/LICENSE.txt"
if [ -n "${BVN_WINDOWS_QT:-}" ]; then
  qt_licences=$(own_qt_licences) qt_source=OWN_QT
else
  qt_licences=$qt_prefix/share/licenses/qtbase qt_source=DEBIAN_QT
fi
sed -e "/^@[A-Z_]*_QT@/{/^@${qt_source}@/!d}" -e "s/^@${qt_source}@//" \
  -e "s/@QT_VERSION@/$linked_qt_version/g" -e "s/@QT_PACKAGE_VERSION@/$qt_package_version/g" \
  resources/windows/Qt-NOTICE.txt.in >"$folder/licenses/Qt-NOTICE.txt"
cp "$qt_licences/LICENSES/LGPL-3.0-only.txt" "$folder/licenses/LGPL-3.0.txt"
cp "$qt_licences/LICENSES/GPL-3.0-only.txt" "$folder/licenses/GPL-3.0.txt"
python3 - "$qt_licences/3rdparty" "${qt_third_party[@]}" >"$folder/licenses/Qt-third-party.txt" <<'PY'
import json, os, sys
folder = sys.argv[1]
print("Third-party code in Qt's libraries, as Qt's source lists it\n")
for part in sys.argv[2:]:
    here = os.path.join(folder, part)
    entries = json.load(open(os.path.join(here, "qt_attribution.json")), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        print("=" * 78)
        print(f"{entry['Name']} {entry.get('Version', '')}".strip())
        print(f"Licence: {entry['License']}")
        print(f"Copyright: {entry.get('Copyright', 'see below')}\n")
        for name in entry.get("LicenseFile", "").split(","):
            path = os.path.join(here, os.path.basename(name.strip()))
            if name and os.path.isfile(path):
                print(open(path, encoding="utf-8", errors="replace").read().rstrip() + "\n")
PY
cp /usr/share/doc/fonts-liberation/copyright "$folder/licenses/Liberation-fonts.txt"
cp /usr/share/common-licenses/GPL-2 "$folder/licenses/GPL-2.0.txt"

# Every entry dated by the last commit, the same in every time zone, and with the same modes
# under every umask.
chmod -R u=rwX,go=rX "$stage"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$stage" && find "$package" | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$out/$package.zip")

# The installer. Each build is a product of its own, and its package has a code of its own,
# both derived from everything that goes into the package, so that a later build installs over
# an earlier one, and the same build always gets the same codes. wixl gives a new package a
# random code and the time it was made: the package code is set afterwards, and the times are
# those of the last commit.
touch -d "@$SOURCE_DATE_EPOCH" "$out/$file_name"
installer_source=$build/generated/installer.wxs
# Every file the installer takes, in order: its source, the program file and the icon.
package_inputs=("$installer_source" "$out/$file_name"
  "$(dirname "$installer_source")/$(sed -n 's/.*<Icon [^>]*SourceFile="\([^"]*\)".*/\1/p' \
    "$installer_source")")
package_digest=$(cat "${package_inputs[@]}" | sha256sum | cut -c1-64)
code() { python3 -c 'import sys, uuid; print("{%s}" % str(uuid.uuid5(uuid.NAMESPACE_URL, sys.argv[1])).upper())' "$1"; }
TZ=UTC wixl -a x64 -D ProductCode="$(code "product:$package_digest")" \
  -D ProgramFile="$(realpath --relative-to="$(dirname "$installer_source")" "$out/$file_name")" \
  -o "$out/$package.msi" "$installer_source"
/usr/bin/python3 - "$out/$package.msi" "$(code "package:$package_digest")" <<'PY'
import olefile, os, struct, sys
msi, package_code = sys.argv[1:]
# Windows counts time in 100 ns steps from 1601.
filetime = (int(os.environ["SOURCE_DATE_EPOCH"]) + 11644473600) * 10**7
with olefile.OleFileIO(msi, write_mode=True) as ole:
    name = "\x05SummaryInformation"
    data = bytearray(ole.openstream(name).read())
    section = struct.unpack_from("<I", data, 44)[0]  # the one section's offset
    count = struct.unpack_from("<I", data, section + 4)[0]
    for i in range(count):
        pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
        at = section + offset
        if pid == 9:  # the package code: a string of 38 characters and its NUL
            assert struct.unpack_from("<II", data, at) == (30, 39)
            data[at + 8:at + 46] = package_code.encode()
        elif pid in (12, 13):  # when it was created and last saved
            assert struct.unpack_from("<I", data, at)[0] == 64
            struct.pack_into("<Q", data, at + 4, filetime)
    ole.write_stream(name, bytes(data))
PY
sign "$out/$package.msi"

echo "Windows program: $out/$file_name ($(du -h "$out/$file_name" | cut -f1))"
echo "Download: $out/$package.zip ($(du -h "$out/$package.zip" | cut -f1))"
echo "Installer: $out/$package.msi ($(du -h "$out/$package.msi" | cut -f1))"
