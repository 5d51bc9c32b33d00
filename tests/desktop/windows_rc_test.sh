#!/bin/sh
# The Windows resource script, as configured from the version information, compiles with the
# MinGW resource compiler, and its resources, linked into a DLL that holds nothing else, are
# those the program file must carry (tests/lib.sh, check_program_resources).
#
# windows_rc_test.sh APP_RC ICO SCRATCH_DIR PRODUCT_NAME INTERNAL_NAME FILE_NAME VERSION
set -eu
rc=$1 ico=$2 scratch=$3
shift 3
. "$(dirname "$0")/../lib.sh"
needs "binutils-mingw-w64-x86-64" x86_64-w64-mingw32-windres x86_64-w64-mingw32-ld
needs "libimage-exiftool-perl and icoutils" exiftool wrestool icotool
include=/usr/share/mingw-w64/include
[ -f $include/windows.h ] || fail "windows.h is missing: install mingw-w64-x86-64-dev"

rm -rf "$scratch"
mkdir -p "$scratch"
x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-I$include \
  --preprocessor-arg=-xc-header --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 \
  --preprocessor-arg=-D_WIN64 --preprocessor-arg=-D__x86_64__ -i "$rc" -o "$scratch/app.o" ||
  fail "the resource script does not compile"
x86_64-w64-mingw32-ld --dll -e 0 -o "$scratch/resources.dll" "$scratch/app.o" ||
  fail "the compiled resources do not link"
check_program_resources "$scratch/resources.dll" "$ico" "$@"

echo "the resource script compiles with its version information, icon and manifest"
rm -rf "$scratch"
