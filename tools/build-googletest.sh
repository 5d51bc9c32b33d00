#!/usr/bin/env bash
# Builds GoogleTest from Debian's source (/usr/src/googletest) for another system, with the given
# CMake toolchain file, and installs it into PREFIX; a PREFIX already complete is kept as it is.
# Usage: tools/build-googletest.sh TOOLCHAIN_FILE PREFIX JOBS
set -euo pipefail
toolchain=$1 prefix=$2 jobs=$3
[ ! -f "$prefix/.complete" ] || exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build "$work" -j "$jobs" >/dev/null
cmake --install "$work" >/dev/null
touch "$prefix/.complete"
