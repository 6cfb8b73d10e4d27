#!/usr/bin/env python3
"""Times vastrel-top and a full main-window scan against a find | sort | head
pipeline on one tree, in one or more phases.

All of them list the ten largest files, hidden entries left out. Each phase
runs every command once to warm up, then ROUNDS rounds, each in a new
shuffled order, and prints per command the median wall time, the median CPU
time (user + system, the command's children included) and the peak resident
set size, with the ratios of the medians. The machine's speed drifts over a
phase (other guests share its cores), so each ratio is also given as the
median of the ratios within a round, whose runs lie seconds apart. Beside the default vastrel-top the
phases time a one-thread walk (VASTREL_SCAN_THREADS=1), the reference for the
CPU time a parallel walk may spend, and with --floor a bare walk that reads
every size and does nothing else (vastrel-floorwalk: getdents64 and fstatat),
which shows what the scan's own work costs on top of the system calls.

Phases:
  quiet  warm cache, nothing else started
  hog    warm cache, with a busy loop pinned to CPU 0 for the whole phase
         (started and stopped here), so that one core is taken
  cold   the page cache dropped before every run (needs root)

usage: timeit.py VASTREL_TOP VASTREL_GUISCAN TREE ROUNDS PHASE[,PHASE...] [--no-window]
                 [--floor VASTREL_FLOORWALK]
"""
import os
import random
import re
import statistics
import subprocess
import sys
import time

from benchcommon import Hog, run_timed

ONE_THREAD = "vastrel-top, 1 thread"
PIPELINE = "find|sort|head"
FLOOR = "walk floor"


def drop_caches():
    subprocess.run(["sync"], check=True)
    with open("/proc/sys/vm/drop_caches", "w") as f:
        f.write("3\n")


def timed(argv, env=None):
    """Runs argv under GNU time (run_timed); returns (wall s, CPU s, peak RSS KiB,
    stdout, stderr), and ends the benchmark if the command failed."""
    seconds, cpu, rss, done = run_timed(argv, env)
    if done.returncode != 0:
        sys.exit(f"timeit: {argv[0]} exited with {done.returncode}: "
                 f"{done.stderr.decode(errors='replace')[-300:]}")
    return seconds, cpu, rss, done.stdout, done.stderr


def scan_seconds(stderr):
    """The "scan seconds: S" line vastrel-guiscan prints: Scan to Scan Complete!."""
    found = re.search(rb"^scan seconds: ([0-9.]+)$", stderr, re.MULTILINE)
    if not found:
        sys.exit("timeit: vastrel-guiscan printed no scan time")
    return float(found.group(1))


def run_phase(phase, commands, rounds):
    cold = phase == "cold"
    results = {name: {"wall": [], "cpu": [], "rss": 0} for name in commands}
    window_scan = []
    outputs = {}
    for name, (argv, env) in commands.items():
        if cold:
            drop_caches()
        outputs[name] = timed(argv, env)[3]  # warm-up, not counted
    order = list(commands)
    shuffler = random.Random(1)
    for _ in range(rounds):
        shuffler.shuffle(order)
        for name in order:
            argv, env = commands[name]
            if cold:
                drop_caches()
            wall, cpu, rss, _, errors = timed(argv, env)
            entry = results[name]
            entry["wall"].append(wall)
            entry["cpu"].append(cpu)
            entry["rss"] = max(entry["rss"], rss)
            if name == "main window":
                window_scan.append(scan_seconds(errors))

    # The same ten paths, in the same order (the tree's top ten sizes are distinct).
    def paths(name, separator):
        return [line.split(separator, 1)[1] for line in outputs[name].decode().splitlines()]

    theirs = paths(PIPELINE, " ")
    same = all(paths(name, "\t") == theirs for name in commands if name not in (PIPELINE, FLOOR))

    load = os.getloadavg()[0]
    print(f"phase {phase}: {rounds} rounds, shuffled, "
          f"{'cache dropped before each run' if cold else 'warm cache'}"
          f"{', busy loop on CPU 0' if phase == 'hog' else ''}; load average {load:.2f}")
    wall = {}
    cpu = {}
    for name, entry in results.items():
        wall[name] = statistics.median(entry["wall"])
        cpu[name] = statistics.median(entry["cpu"])
        print(f"  {name}: median {wall[name]:.3f} s, CPU {cpu[name]:.3f} s, "
              f"peak RSS {entry['rss'] / 1024:.1f} MB")
    def per_round(numerator, denominator):
        return statistics.median(a / b for a, b in zip(numerator, denominator))

    print(f"  ratio: {wall['vastrel-top'] / wall[PIPELINE]:.2f} (vastrel-top / {PIPELINE}); "
          f"within rounds {per_round(results['vastrel-top']['wall'], results[PIPELINE]['wall']):.2f}")
    print(f"  ratio: {wall[ONE_THREAD] / wall[PIPELINE]:.2f} ({ONE_THREAD} / {PIPELINE})")
    print(f"  CPU ratio: {cpu['vastrel-top'] / cpu[ONE_THREAD]:.2f} (vastrel-top / {ONE_THREAD})")
    if FLOOR in wall:
        print(f"  ratio: {wall[FLOOR] / wall[PIPELINE]:.2f} ({FLOOR} / {PIPELINE}); "
              f"vastrel-top / {FLOOR}: {wall['vastrel-top'] / wall[FLOOR]:.2f}, "
              f"within rounds {per_round(results['vastrel-top']['wall'], results[FLOOR]['wall']):.2f}")
    if window_scan:
        scan_median = statistics.median(window_scan)
        print(f"  main window, Scan to Scan Complete!: median {scan_median:.3f} s")
        print(f"  ratio: {scan_median / wall['vastrel-top']:.2f} (main window scan / vastrel-top); "
              f"within rounds {per_round(window_scan, results['vastrel-top']['wall']):.2f}")
    print(f"  same top ten: {'yes' if same else 'NO'}")
    return same


def main():
    args = sys.argv[1:]
    window = "--no-window" not in args
    args = [arg for arg in args if arg != "--no-window"]
    floor = None
    if "--floor" in args:
        at = args.index("--floor")
        if at + 1 >= len(args):
            sys.exit(__doc__.strip())
        floor = args[at + 1]
        del args[at:at + 2]
    if len(args) != 5:
        sys.exit(__doc__.strip())
    top, guiscan = args[0], args[1]
    tree, rounds = os.path.abspath(args[2]), int(args[3])
    phases = args[4].split(",")
    if any(phase not in ("quiet", "hog", "cold") for phase in phases):
        sys.exit(__doc__.strip())
    if "cold" in phases and os.geteuid() != 0:
        sys.exit("timeit: dropping the page cache needs root")

    one_thread = dict(os.environ, VASTREL_SCAN_THREADS="1")
    commands = {
        "vastrel-top": ([top, "-n", "10", tree], None),
        ONE_THREAD: ([top, "-n", "10", tree], one_thread),
        PIPELINE: (["sh", "-c",
                    "find \"$1\" -name '.*' -prune -o -type f -printf '%s %p\\n' | sort -nr | head -10",
                    "sh", tree], None),
    }
    if floor:
        commands[FLOOR] = ([floor, tree], None)
    if window:
        # The window's default count is 10, as vastrel-top's -n 10 here.
        commands["main window"] = ([guiscan, tree], None)

    same = True
    for phase in phases:
        if phase == "hog":
            with Hog():
                same = run_phase(phase, commands, rounds) and same
        else:
            same = run_phase(phase, commands, rounds) and same
    if not same:
        sys.exit(1)


if __name__ == "__main__":
    main()
