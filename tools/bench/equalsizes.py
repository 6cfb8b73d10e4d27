#!/usr/bin/env python3
"""Times the ranking when many files share one size.

Builds once a folder of FILES empty files (default 200,000; names f0000000,
f0000001, ...), then runs `vastrel-top -n 10 DIR` and `vastrel-top -n 10000
DIR` once each to warm up and ROUNDS rounds in a shuffled order, and prints
for each the median wall time, the median CPU time and the peak RSS, and the
ratio of -n 10000 to -n 10, the baseline: the walk is the same, only the
ranking holds a thousand times more files of the one size. An insert that
walked the run of equal sizes made that ratio grow with the count; a
logarithmic one keeps it near 1.

usage: equalsizes.py VASTREL_TOP DIR [FILES [ROUNDS]]
"""
import os
import random
import statistics
import sys

from benchcommon import mark_built, run_timed, tree_is_built

MARKER = ".vastrel-equal-sizes"
COUNTS = (10, 10000)


def build(top, files):
    version = f"vastrel-equal-sizes {files}"
    if tree_is_built(top, MARKER, version,
                     f"equalsizes: {top} exists and is not an equal-size tree; remove it or choose another"):
        return
    os.makedirs(top, exist_ok=True)
    fd = os.open(top, os.O_RDONLY | os.O_DIRECTORY)
    for i in range(files):
        os.close(os.open(f"f{i:07d}", os.O_WRONLY | os.O_CREAT, 0o644, dir_fd=fd))
    os.close(fd)
    mark_built(top, MARKER, version)


def main():
    if len(sys.argv) not in (3, 4, 5):
        sys.exit(__doc__.strip())
    top_program, tree = sys.argv[1], os.path.abspath(sys.argv[2])
    files = int(sys.argv[3]) if len(sys.argv) >= 4 else 200000
    rounds = int(sys.argv[4]) if len(sys.argv) == 5 else 5
    build(tree, files)
    print(f"equal sizes: {tree}, {files} empty files in one folder")

    commands = {n: [top_program, "-n", str(n), tree] for n in COUNTS}
    results = {n: {"wall": [], "cpu": [], "rss": 0} for n in COUNTS}
    for n, argv in commands.items():
        done = run_timed(argv)[3]
        rows = len(done.stdout.splitlines())
        if done.returncode != 0 or rows != min(n, files):
            sys.exit(f"equalsizes: -n {n} exited with {done.returncode} and listed {rows} rows")
    order = list(COUNTS)
    shuffler = random.Random(1)
    for _ in range(rounds):
        shuffler.shuffle(order)
        for n in order:
            wall, cpu, rss, _ = run_timed(commands[n])
            results[n]["wall"].append(wall)
            results[n]["cpu"].append(cpu)
            results[n]["rss"] = max(results[n]["rss"], rss)

    wall = {}
    for n in COUNTS:
        entry = results[n]
        wall[n] = statistics.median(entry["wall"])
        print(f"  vastrel-top -n {n}: median {wall[n]:.3f} s, CPU {statistics.median(entry['cpu']):.3f} s, "
              f"peak RSS {entry['rss'] / 1024:.1f} MB")
    within = statistics.median(a / b for a, b in zip(results[COUNTS[1]]["wall"], results[COUNTS[0]]["wall"]))
    print(f"  ratio: {wall[COUNTS[1]] / wall[COUNTS[0]]:.2f} (-n {COUNTS[1]} / -n {COUNTS[0]}); "
          f"within rounds {within:.2f}")


if __name__ == "__main__":
    main()
