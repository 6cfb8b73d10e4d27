#!/usr/bin/env python3
"""Times vastrel-top and a full main-window scan against a find | sort | head
pipeline on one tree.

All three list the ten largest files, hidden entries left out. They run
alternately, in a new order each round, after one warm-up run each (warm
cache); the median wall time and
the peak resident set size of each are printed, with the ratios of the medians:
vastrel-top against the pipeline, and the window's scan against vastrel-top.

usage: timeit.py VASTREL_TOP VASTREL_GUISCAN TREE ROUNDS
"""
import os
import random
import re
import statistics
import subprocess
import sys
import tempfile
import time


def timed(argv):
    """Runs argv under GNU time; returns (seconds, peak RSS in KiB, stdout, stderr).

    The peak RSS is that of the largest process of the command. GNU time is
    used because a child forked from Python would inherit Python's own peak.
    """
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + argv,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        seconds = time.perf_counter() - start
        if done.returncode != 0:
            sys.exit(f"timeit: {argv[0]} exited with {done.returncode}")
        return seconds, int(report.read().split()[-1]), done.stdout, done.stderr


def scan_seconds(stderr):
    """The "scan seconds: S" line vastrel-guiscan prints: Scan to Scan Complete!."""
    found = re.search(rb"^scan seconds: ([0-9.]+)$", stderr, re.MULTILINE)
    if not found:
        sys.exit("timeit: vastrel-guiscan printed no scan time")
    return float(found.group(1))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__.strip())
    top, guiscan = sys.argv[1], sys.argv[2]
    tree, rounds = os.path.abspath(sys.argv[3]), int(sys.argv[4])
    commands = {
        "vastrel-top": [top, "-n", "10", tree],
        # The window's default count is 10, as vastrel-top's -n 10 here.
        "main window": [guiscan, tree],
        "find|sort|head": ["sh", "-c",
                           "find \"$1\" -name '.*' -prune -o -type f -printf '%s %p\\n' | sort -nr | head -10",
                           "sh", tree],
    }
    results = {name: ([], 0) for name in commands}
    # The window's scan alone, without its start-up (Qt, fonts, pictures).
    window_scan = []
    outputs = {}
    for name, argv in commands.items():
        outputs[name] = timed(argv)[2]  # warm-up, not counted
    # Each round runs the three in a fresh order (fixed seed), so that none
    # always follows the same one: a run slows down after some others.
    order = list(commands)
    shuffler = random.Random(1)
    for _ in range(rounds):
        shuffler.shuffle(order)
        for name in order:
            argv = commands[name]
            seconds, rss, _, errors = timed(argv)
            times, peak = results[name]
            times.append(seconds)
            results[name] = (times, max(peak, rss))
            if name == "main window":
                window_scan.append(scan_seconds(errors))

    # The same ten paths, in the same order (the tree's top ten sizes are distinct).
    def paths(name, separator):
        return [line.split(separator, 1)[1] for line in outputs[name].decode().splitlines()]

    ours = paths("vastrel-top", "\t")
    window = paths("main window", "\t")
    theirs = paths("find|sort|head", " ")
    same = ours == theirs and window == theirs

    medians = {}
    print(f"rounds: {rounds} (alternating in shuffled order, warm cache)")
    for name, (times, peak) in results.items():
        medians[name] = statistics.median(times)
        print(f"{name}: median {medians[name]:.3f} s, peak RSS {peak / 1024:.1f} MB")
    print(f"ratio: {medians['vastrel-top'] / medians['find|sort|head']:.2f} (vastrel-top / find|sort|head)")
    scan_median = statistics.median(window_scan)
    print(f"main window, Scan to Scan Complete!: median {scan_median:.3f} s")
    print(f"ratio: {medians['main window'] / medians['vastrel-top']:.2f} (main window process / vastrel-top)")
    print(f"ratio: {scan_median / medians['vastrel-top']:.2f} (main window scan / vastrel-top)")
    print(f"same top ten: {'yes' if same else 'NO'}")
    if not same:
        sys.exit(1)


if __name__ == "__main__":
    main()
