#!/usr/bin/env python3
"""Start-up figures: time from process start to the first window mapped, and peak resident
memory, for each program given, on the X server in $DISPLAY (run it under xvfb-run).

    xvfb-run -a -s "-screen 0 1024x768x24" bench/startup.py build/bench/bench/bare_window \
        build/bench/app/brelvan-unit-converter

Needs xev (x11-utils) and /usr/bin/time (time). Prints one line a program: the median of 21
runs after one that warms the file cache."""
import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 21


def one_run(program):
    """Milliseconds from start to the first MapNotify on the root window, and peak RSS in MB."""
    watcher = subprocess.Popen(['xev', '-root', '-event', 'substructure'],
                               stdout=subprocess.PIPE, text=True, bufsize=1)
    time.sleep(0.3)
    with tempfile.NamedTemporaryFile(suffix='.txt') as report:
        start = time.monotonic()
        timed = subprocess.Popen(['/usr/bin/time', '-v', '-o', report.name, program],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        mapped = None
        for line in watcher.stdout:
            if line.startswith('MapNotify'):
                mapped = time.monotonic()
                break
        time.sleep(1.0)  # the peak memory then covers the idle window too
        for child in open(f'/proc/{timed.pid}/task/{timed.pid}/children').read().split():
            os.kill(int(child), signal.SIGTERM)
        timed.wait()
        watcher.kill()
        watcher.wait()
        peak = re.search(r'Maximum resident set size \(kbytes\): (\d+)', open(report.name).read())
    return (mapped - start) * 1000, int(peak.group(1)) / 1024


def main():
    for program in sys.argv[1:]:
        one_run(program)
        runs = [one_run(program) for _ in range(RUNS)]
        times = [t for t, _ in runs]
        memory = [m for _, m in runs]
        print(f'{os.path.basename(program)}: start to window mapped {statistics.median(times):.0f} ms '
              f'(min {min(times):.0f}, max {max(times):.0f}); peak RSS {statistics.median(memory):.1f} MB')


if __name__ == '__main__':
    main()
