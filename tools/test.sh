#!/usr/bin/env bash
# Installs what the tests need (Debian 12), then builds and runs every test: the whole suite with
# g++ and with clang++ (with g++ also the Debian package: built twice and compared, lintian,
# hardening-check), again under AddressSanitizer and UndefinedBehaviorSanitizer with each compiler,
# the core suites cross-built for i386 and s390x under qemu-user, the Windows program with the
# core and window suites under Wine (unless BVN_SKIP_WINDOWS is set), each core fuzz target for
# FUZZ_SECONDS (default 60), the benchmark figures, the core's headers compiled one by one with
# every compiler and the format check.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh test

fuzz_seconds=${FUZZ_SECONDS:-60}
jobs=$(nproc)
step() { printf '\n==== %s\n' "$*"; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Runs ctest with the given arguments and keeps its summary for the closing count.
run_ctest() { ctest "$@" 2>&1 | tee -a "$log"; }

step "g++: build and test"
cmake --preset gcc >/dev/null
cmake --build --preset gcc -j "$jobs"
run_ctest --preset gcc -j "$jobs"

step "clang++: build and test"
cmake --preset clang >/dev/null
cmake --build --preset clang -j "$jobs"
# Tests that install, print or open a browser through the system run once, with g++.
run_ctest --preset clang -j "$jobs" -LE 'system|once'

step "clang++ with AddressSanitizer and UBSan: build and test"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
run_ctest --preset asan -j "$jobs" -LE 'system|once'

step "g++ with AddressSanitizer and UBSan: build and test"
cmake --preset gcc-asan >/dev/null
cmake --build --preset gcc-asan -j "$jobs"
# The event storm plays 20,000 of its 100,000 events here (the test preset), all of them above.
run_ctest --preset gcc-asan -j "$jobs" -LE 'system|once'

step "i386 and s390x: the core suites, cross-built, under qemu-user"
# Two architectures unlike the host: i386 computes doubles in the x87 unit, s390x is big-endian.
# GoogleTest is built for each from Debian's source once, into the cache.
cache=${XDG_CACHE_HOME:-$HOME/.cache}/bvn-unit-converter
for target in i386:i686-linux-gnu s390x:s390x-linux-gnu; do
  preset=${target%%:*}
  toolchain=$PWD/cmake/${target#*:}.cmake
  key=$(dpkg-query -W -f='${Version}' googletest | cat - "$toolchain" cmake/debian-cross.cmake |
    sha256sum | cut -c1-12)
  export BVN_CROSS_GOOGLETEST=$cache/googletest-$preset-$key
  tools/build-googletest.sh "$toolchain" "$BVN_CROSS_GOOGLETEST" "$jobs"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  run_ctest --preset "$preset" -j "$jobs"
done

if [ -n "${BVN_SKIP_WINDOWS:-}" ]; then
  step "Windows: skipped, as BVN_SKIP_WINDOWS is set"
else
  step "Windows: the program, and its tests under Wine"
  # The first run builds the static Qt for Windows into a cache, about 20 minutes.
  tools/windows.sh
  # The tests under Wine take turns on the session's display; the second build of the program
  # runs beside them.
  run_ctest --preset mingw -j "$jobs"
fi

step "fuzzing, ${fuzz_seconds}s a target"
tools/fuzz.sh "$fuzz_seconds"

step "benchmark figures (release build)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"
build/bench/bench/core_bench --benchmark_min_time=0.2
QT_QPA_PLATFORM=offscreen build/bench/bench/ui_keypress_bench --benchmark_min_time=0.2 2>/dev/null
# The release build carries the same protections as the Debian package.
hardening-check --nocfprotection build/bench/app/brelvan-unit-converter

step "the core's headers, each on its own"
flags=(-std=c++20 -Wall -Wextra -Wpedantic -Werror -Icore/include -x c++ -c -o /dev/null)
for header in core/include/core/*.h; do
  for compiler in g++ clang++-14 x86_64-w64-mingw32-g++-posix; do
    "$compiler" "${flags[@]}" "$header"
  done
  for compiler in g++ clang++-14; do
    "$compiler" "${flags[@]}" -fsanitize=address,undefined "$header"
  done
done
echo "headers: each compiles with g++, clang++ and MinGW-w64, and with ASan and UBSan"

step "format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format: clean"

step "every step passed"
total=$(grep -Eo 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | awk '{s += $NF} END {print s + 0}')
# CTest counts a skipped test among the passed ones, and names it apart.
skips=$(grep -c ' (Skipped)$' "$log" || true)
skipped=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log" | sort -u | paste -sd ' ')
echo "$((total - skips)) passed, 0 failed${skipped:+; $skips skipped: $skipped}"
