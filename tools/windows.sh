#!/usr/bin/env bash
# Builds the Windows program on Debian 12: "build/windows/Brelvan Unit Converter.exe", one
# self-contained x86-64 file, and beside it a zip for download with a read-me and the licences.
# The Windows builds of the tests come with it, in build/mingw, for tools/test.sh to run under
# Wine. The first run builds a static Qt for Windows from Debian's own qtbase source (about 20
# minutes on 2 cores) and GoogleTest into a cache outside the tree; later runs reuse them.
#
# Environment:
#   BVN_WINDOWS_CACHE  the cache (default ${XDG_CACHE_HOME:-$HOME/.cache}/bvn-unit-converter)
#   BVN_WINDOWS_QT     a static MinGW-w64 Qt of your own to link against instead of building one
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
tools/install-packages.sh windows

# The static Qt: the options that shape it, written once. Another list, or another Qt version,
# builds into a cache folder of its own.
qt_options=(
  -release -static # one optimised program file that holds Qt
  -nomake examples -nomake tests
  -no-opengl # the window paints with Qt's raster engine
  # Modules the program does not use.
  -no-dbus -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
  # Debian's source leaves out the Wintab headers that tablet input needs on Windows.
  -no-feature-tabletevent
)
# Direct2D stays on, as by default: in Qt 6.4 the DirectWrite font code builds only with it.
# The third-party code of Qt's source that such a Qt holds, for the licence notices.
qt_third_party=(blake2 double-conversion easing freetype harfbuzz-ng icc libjpeg libpng md4 md4c
  md5 pcre2 pixman rfc6234 sha1 sha3 tinycbor zlib)

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

# Debian's qtbase source, with Debian's patches, of the same version as the host Qt.
build_qt() {
  local work=$cache/qt-build-$qt_key
  rm -rf "$work" "$qt_prefix"
  mkdir -p "$work"
  echo "Building a static Qt $qt_version for Windows into $qt_prefix (once)"
  (cd "$work" && apt-get source -qq "qt6-base=$qt_package_version" >/dev/null 2>&1) ||
    { echo "apt-get source qt6-base failed: apt needs a deb-src entry" >&2; exit 1; }
  local src
  src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
  mkdir -p "$work/qt"
  (cd "$work/qt" && "$src/configure" -prefix "$qt_prefix" "${qt_options[@]}" -qt-host-path /usr \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/configure.log")
  cmake --build "$work/qt" -j "$jobs"
  cmake --install "$work/qt" >/dev/null
  # The licences go into the zip: Qt's own, and those of its third-party code.
  local licences=$qt_prefix/share/licenses/qtbase
  mkdir -p "$licences"
  cp -r "$src/LICENSES" "$licences/"
  for part in "${qt_third_party[@]}"; do
    mkdir -p "$licences/3rdparty/$part"
    find "$src/src/3rdparty/$part" -maxdepth 1 -type f \( -iname '*licen[cs]e*' \
      -o -iname 'copying*' -o -name qt_attribution.json \) -exec cp {} "$licences/3rdparty/$part/" \;
  done
  rm -rf "$work"
  touch "$qt_prefix/.complete"
}

# GoogleTest for the Windows builds of the tests, from Debian's googletest source.
build_googletest() {
  local work=$cache/googletest-build
  rm -rf "$work" "$googletest_prefix"
  cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$googletest_prefix" >/dev/null
  cmake --build "$work" -j "$jobs" >/dev/null
  cmake --install "$work" >/dev/null
  rm -rf "$work"
  touch "$googletest_prefix/.complete"
}

[ -n "${BVN_WINDOWS_QT:-}" ] || [ -f "$qt_prefix/.complete" ] || build_qt
[ -f "$googletest_prefix/.complete" ] || build_googletest

# The program and the tests.
export BVN_WINDOWS_PREFIX="$qt_prefix;$googletest_prefix"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$jobs"

# The program file, stripped, and the zip.
build=build/mingw
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cached CMAKE_PROJECT_VERSION)
program=$(cat "$build/program-file.txt")
file_name=$(basename "$program")
out=build/windows
rm -rf "$out"
mkdir -p "$out"
x86_64-w64-mingw32-strip -o "$out/$file_name" "$program"

package=brelvan-unit-converter-$version-windows-x86_64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/$package
mkdir -p "$folder/licenses"
cp "$out/$file_name" "$folder/"
sed "s/@VERSION@/$version/g" resources/windows/README.txt.in >"$folder/README.txt"
cp LICENSE "$folder/LICENSE.txt"
sed -e "s/@QT_VERSION@/$qt_version/g" -e "s/@QT_PACKAGE_VERSION@/$qt_package_version/g" \
  resources/windows/Qt-NOTICE.txt.in >"$folder/licenses/Qt-NOTICE.txt"
qt_licences=$qt_prefix/share/licenses/qtbase
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

# The same content makes the same zip: every entry dated by the last commit.
stamp=$(git log -1 --format=%cd --date=format:%Y%m%d%H%M.%S 2>/dev/null || date +%Y%m%d%H%M.%S)
find "$stage" -exec touch -h -t "$stamp" {} +
(cd "$stage" && find "$package" | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$source_dir/$out/$package.zip")

echo "Windows program: $out/$file_name ($(du -h "$out/$file_name" | cut -f1))"
echo "Download: $out/$package.zip ($(du -h "$out/$package.zip" | cut -f1))"
