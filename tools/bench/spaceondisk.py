#!/usr/bin/env python3
"""Times what the folder totals and --frees add to vastrel-top.

On a tree made by maketree.py (warm cache), runs in a shuffled order, ROUNDS
rounds after one warm-up each:
  base      vastrel-top -n 10 TREE            (no folder totals, no frees)
  folders   vastrel-top -n 10 --folders TREE  (folder totals on)
  floor     vastrel-floorwalk TREE            (the bare walk)
  n10000    vastrel-top -n 10000 TREE
  frees     vastrel-top -n 10000 --frees TREE (one extent map per result)
and prints each one's median wall time, CPU time and peak RSS, then the
ratios folders/base and folders/floor and the difference frees - n10000, as
medians of the ratios and differences within each round (fairer on a busy
machine than ratios of medians), with the folders the tree holds.

usage: spaceondisk.py VASTREL_TOP VASTREL_FLOORWALK TREE [ROUNDS]
"""
import random
import statistics
import subprocess
import sys

from benchcommon import run_timed


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__.strip())
    top, floor, tree = sys.argv[1:4]
    rounds = int(sys.argv[4]) if len(sys.argv) == 5 else 5
    commands = {
        "base": [top, "-n", "10", tree],
        "folders": [top, "-n", "10", "--folders", tree],
        "floor": [floor, tree],
        "n10000": [top, "-n", "10000", tree],
        "frees": [top, "-n", "10000", "--frees", tree],
    }
    results = {name: {"wall": [], "cpu": [], "rss": 0} for name in commands}
    for name, argv in commands.items():
        done = run_timed(argv)[3]
        if done.returncode != 0:
            sys.exit(f"spaceondisk: {name} exited with {done.returncode}")
    folders = int(subprocess.run(["find", tree, "-type", "d"], capture_output=True,
                                 text=True).stdout.count("\n"))
    order = list(commands)
    shuffler = random.Random(1)
    for _ in range(rounds):
        shuffler.shuffle(order)
        for name in order:
            wall, cpu, rss, _ = run_timed(commands[name])
            results[name]["wall"].append(wall)
            results[name]["cpu"].append(cpu)
            results[name]["rss"] = max(results[name]["rss"], rss)
    print(f"space on disk: {tree}, {folders} folders, {rounds} rounds")
    for name, entry in results.items():
        print(f"  {name:8} {' '.join(commands[name][1:-1]) or '(bare walk)':22} "
              f"median {statistics.median(entry['wall']):.3f} s, "
              f"CPU {statistics.median(entry['cpu']):.3f} s, peak RSS {entry['rss'] / 1024:.1f} MB")

    def ratio(a, b):
        return statistics.median(x / y for x, y in zip(results[a]["wall"], results[b]["wall"]))

    print(f"  folders / base:  {ratio('folders', 'base'):.3f} (aim: at most 1.10)")
    print(f"  folders / floor: {ratio('folders', 'floor'):.3f} (aim: at most 1.15)")
    added = statistics.median(x - y for x, y in zip(results["frees"]["wall"], results["n10000"]["wall"]))
    print(f"  --frees on 10000 results adds {added:.3f} s (aim: at most 0.2 s)")
    extra = (results["folders"]["rss"] - results["base"]["rss"]) * 1024 / max(folders, 1)
    print(f"  peak RSS with folder totals: {results['folders']['rss'] / 1024:.1f} MB, "
          f"{extra:.0f} bytes a folder more than without (aim: 30 MB + 150 B a folder)")


if __name__ == "__main__":
    main()
