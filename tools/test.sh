#!/usr/bin/env bash
# Installs what the tests need (Debian 12), then builds and runs every test: the whole suite with
# g++ and with clang++, again under AddressSanitizer and UndefinedBehaviorSanitizer, each core
# fuzz target for FUZZ_SECONDS (default 60), the Windows program with the core and window suites
# under Wine (unless BVN_SKIP_WINDOWS is set), the benchmark figures and the format check.
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

step "AddressSanitizer and UBSan: build and test"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
run_ctest --preset asan -j "$jobs" -LE 'system|once'

if [ -n "${BVN_SKIP_WINDOWS:-}" ]; then
  step "Windows: skipped, as BVN_SKIP_WINDOWS is set"
else
  step "Windows: the program, and its tests under Wine"
  # The first run builds the static Qt for Windows into a cache, about 20 minutes.
  tools/windows.sh
  run_ctest --preset mingw
fi

step "fuzzing, ${fuzz_seconds}s a target"
tools/fuzz.sh "$fuzz_seconds"

step "benchmark figures (release build)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"
build/bench/bench/core_bench --benchmark_min_time=0.2
QT_QPA_PLATFORM=offscreen build/bench/bench/ui_keypress_bench --benchmark_min_time=0.2 2>/dev/null

step "format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format: clean"

step "every step passed"
total=$(grep -Eo 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | awk '{s += $NF} END {print s + 0}')
echo "${total} passed, 0 failed"
