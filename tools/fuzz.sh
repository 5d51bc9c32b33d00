#!/usr/bin/env bash
# Builds the fuzz targets and runs each for the given number of seconds (default 60).
# Usage: tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for name in read text fill; do
  mkdir -p build/fuzz/corpus-$name
  echo "== ${name}_fuzzer for ${seconds}s"
  # New inputs go to a scratch folder; the committed seeds are read only.
  log=build/fuzz/$name.log
  status=0
  (cd build/fuzz && ./fuzz/${name}_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -print_final_stats=1 "corpus-$name" "../../fuzz/corpus/$name") >"$log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done|==[0-9]+==ERROR|SUMMARY|.*property failed)' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "${name}_fuzzer found a fault; the input is kept in build/fuzz/"
    exit 1
  fi
done
echo "fuzzing: every target ran ${seconds}s without a fault"
