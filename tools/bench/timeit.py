#!/usr/bin/env python3
"""Times vastrel-top against a find | sort | head pipeline on one tree.

Both list the ten largest files, hidden entries left out. They run
alternately, after one warm-up run each (warm cache); the median wall time and
the peak resident set size of each are printed, and the ratio of the medians.

usage: timeit.py VASTREL_TOP TREE ROUNDS
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def timed(argv):
    """Runs argv under GNU time; returns (seconds, peak RSS in KiB, stdout).

    The peak RSS is that of the largest process of the command. GNU time is
    used because a child forked from Python would inherit Python's own peak.
    """
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + argv,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        seconds = time.perf_counter() - start
        if done.returncode != 0:
            sys.exit(f"timeit: {argv[0]} exited with {done.returncode}")
        return seconds, int(report.read().split()[-1]), done.stdout


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip())
    top, tree, rounds = sys.argv[1], os.path.abspath(sys.argv[2]), int(sys.argv[3])
    commands = {
        "vastrel-top": [top, "-n", "10", tree],
        "find|sort|head": ["sh", "-c",
                           "find \"$1\" -name '.*' -prune -o -type f -printf '%s %p\\n' | sort -nr | head -10",
                           "sh", tree],
    }
    results = {name: ([], 0) for name in commands}
    outputs = {}
    for name, argv in commands.items():
        outputs[name] = timed(argv)[2]  # warm-up, not counted
    for _ in range(rounds):
        for name, argv in commands.items():
            seconds, rss, _ = timed(argv)
            times, peak = results[name]
            times.append(seconds)
            results[name] = (times, max(peak, rss))

    # The same ten paths, in the same order (the tree's top ten sizes are distinct).
    ours = [line.split("\t", 1)[1] for line in outputs["vastrel-top"].decode().splitlines()]
    theirs = [line.split(" ", 1)[1] for line in outputs["find|sort|head"].decode().splitlines()]

    medians = {}
    print(f"rounds: {rounds} (alternating, warm cache)")
    for name, (times, peak) in results.items():
        medians[name] = statistics.median(times)
        print(f"{name}: median {medians[name]:.3f} s, peak RSS {peak / 1024:.1f} MB")
    print(f"ratio: {medians['vastrel-top'] / medians['find|sort|head']:.2f} (vastrel-top / find|sort|head)")
    print(f"same top ten: {'yes' if ours == theirs else 'NO'}")
    if ours != theirs:
        sys.exit(1)


if __name__ == "__main__":
    main()
