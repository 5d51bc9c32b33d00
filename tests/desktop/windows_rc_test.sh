#!/bin/sh
# The Windows resource script, as configured from the version information, compiles with the
# MinGW resource compiler and carries the version strings, US English with code page 1252, and
# the icon with its three images.
#
# windows_rc_test.sh APP_RC SCRATCH_DIR PRODUCT_NAME INTERNAL_NAME FILE_NAME VERSION
set -eu
rc=$1 scratch=$2 product_name=$3 internal_name=$4 file_name=$5 version=$6

fail() { echo "FAIL: $*" >&2; exit 1; }

windres=x86_64-w64-mingw32-windres
command -v $windres > /dev/null || fail "$windres is missing: install binutils-mingw-w64-x86-64"
include=/usr/share/mingw-w64/include
[ -f $include/windows.h ] || fail "windows.h is missing: install mingw-w64-x86-64-dev"

rm -rf "$scratch"
mkdir -p "$scratch"
$windres --preprocessor=cpp --preprocessor-arg=-I$include --preprocessor-arg=-xc-header \
  --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 --preprocessor-arg=-D_WIN64 \
  --preprocessor-arg=-D__x86_64__ -i "$rc" -O res -o "$scratch/app.res" ||
  fail "the resource script does not compile"
$windres -i "$scratch/app.res" -O rc -o "$scratch/app-decompiled.rc"
decompiled=$scratch/app-decompiled.rc

has() { grep -qF -- "$1" "$decompiled" || fail "the compiled resources lack: $1"; }
has 'BLOCK "040904E4"'
has "VALUE \"ProductName\", \"$product_name\""
has "VALUE \"InternalName\", \"$internal_name\""
has "VALUE \"OriginalFilename\", \"$file_name\""
has "VALUE \"FileVersion\", \"$version\""
has "VALUE \"ProductVersion\", \"$version\""
# Group icon entries: "width height colours pad", planes, bits per pixel.
has '"\040\040\000\000", 1, 8,'
has '"\020\020\000\000", 1, 8,'
has '"\020\020\020\000", 1, 4,'
# The translation: language 0x0409 and code page 1252 (0x04E4), as UTF-16 "Translation" and
# two 16-bit numbers.
python3 - "$scratch/app.res" <<'PY' || fail "no translation 0x0409, 1252"
import struct, sys
data = open(sys.argv[1], "rb").read()
key = "Translation".encode("utf-16-le") + b"\0\0"
at = data.find(key)
assert at >= 0
at += len(key)
at += (-at) % 4  # values start on a 32-bit boundary
assert struct.unpack_from("<HH", data, at) == (0x0409, 1252), data[at:at + 4].hex()
PY

echo "the resource script compiles with its version information and icon"
rm -rf "$scratch"
