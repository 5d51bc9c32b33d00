#!/bin/sh
# The toolkit's waiting and clean-up, under sh and bash: wait_for keeps to its time however long
# each try takes, and track ends at exit only a process the script has not reaped already.
# Usage: lib_test.sh
set -eu
lib=$(dirname "$0")/lib.sh
. "$lib"

for shell in sh bash; do
  # A try of 0.6 s that never succeeds: 1 s allows two tries, not ten.
  started=$(date +%s%N)
  $shell -c ". '$lib'; slow() { sleep 0.6; false; }; ! wait_for 1 slow" ||
    fail "$shell: wait_for 1 succeeded"
  took=$((($(date +%s%N) - started) / 1000000))
  [ $took -lt 4000 ] || fail "$shell: wait_for 1 with tries of 0.6 s took $took ms"
  # One that succeeds on its third try.
  $shell -c ". '$lib'; n=0; third() { n=\$((n + 1)); [ \$n -ge 3 ]; }; wait_for 5 third" ||
    fail "$shell: wait_for gave up before the third try"

  # At exit, only the process still running is signalled, not the one reaped before.
  $shell -c ". '$lib'
    sleep 0.1 & reaped=\$!; track \$reaped; wait \$reaped
    kill() { echo \"\$*\" >> '$work/kills'; command kill \"\$@\"; }
    sleep 30 & running=\$!; track \$running
    echo \$reaped \$running > '$work/pids'" || fail "$shell: the script with tracked processes"
  read -r reaped running < "$work/pids"
  [ "$(cat "$work/kills")" = "$running" ] ||
    fail "$shell: at exit, kill $(cat "$work/kills") for $reaped reaped and $running running"
  rm "$work/kills"
done
echo "wait_for keeps its deadline; track ends only what is still running"
