#!/usr/bin/env python3
"""Times the main window's start over a stored scan the size of the
2-million-file tree against its start over an empty history.

Makes a scan history of two such scans once (vastrel-guistart --make, in a
temporary folder), then runs, in a shuffled order, ROUNDS rounds after one
warm-up each:
  empty   vastrel-guistart         (the bare start: no stored scan)
  stored  vastrel-guistart FILE    (the last stored scan shown at start)
Each run starts the window in a sandbox of its own (never the user's data).
Prints each figure's median (seconds; the ones after "window built" count
from the window's show()), the bar for the stored scan's rows (painted in
the table within 0.3 s of the window appearing), and the median within each
round of the ratio
  stored: construction to rows painted / empty: construction to window painted

With --hog the rounds run beside a busy loop pinned to CPU 0 (started and
stopped here), so that one core is taken.

usage: storestart.py VASTREL_GUISTART [ROUNDS] [--hog]
"""
import contextlib
import os
import random
import re
import statistics
import subprocess
import sys
import tempfile

from benchcommon import Hog

FIGURES = ["window built", "window painted", "rows shown", "rows painted", "compare ready"]
BAR = 0.3


def run(argv):
    done = subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                          timeout=60)
    if done.returncode != 0:
        sys.exit(f"storestart: {' '.join(argv)} exited with {done.returncode}: "
                 f"{done.stderr[-300:]}")
    figures = {}
    for name in FIGURES:
        found = re.search(rf"^{name}: ([0-9.]+)$", done.stderr, re.MULTILINE)
        if found:
            figures[name] = float(found.group(1))
    return figures


def main():
    args = sys.argv[1:]
    hog = "--hog" in args
    args = [arg for arg in args if arg != "--hog"]
    if len(args) not in (1, 2) or (len(args) == 2 and not args[1].isdigit()):
        sys.exit(__doc__.strip())
    tool = args[0]
    rounds = int(args[1]) if len(args) == 2 else 7
    with tempfile.TemporaryDirectory(prefix="vastrel-storestart-") as folder:
        history = os.path.join(folder, "history.sqlite")
        subprocess.run([tool, "--make", history], check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        commands = {"empty": [tool], "stored": [tool, history]}
        results = {name: [] for name in commands}
        for argv in commands.values():
            run(argv)
        order = list(commands)
        shuffler = random.Random(1)
        with Hog() if hog else contextlib.nullcontext():
            for _ in range(rounds):
                shuffler.shuffle(order)
                for name in order:
                    results[name].append(run(commands[name]))
        size = os.path.getsize(history)

    print(f"start over a stored scan: history of {size / 1048576:.1f} MB "
          f"(two scans of 133333 folders, 10000 listed files), {rounds} rounds"
          f"{', busy loop on CPU 0' if hog else ''}")
    for name, runs in results.items():
        shown = ", ".join(f"{figure} {statistics.median(r[figure] for r in runs):.3f}"
                          for figure in FIGURES if figure in runs[0])
        print(f"  {name:7} median s: {shown}")
    rows = statistics.median(r["rows painted"] for r in results["stored"])
    print(f"  stored rows painted, from show(): {rows:.3f} s  bar {BAR:.2f} s  "
          f"ratio {rows / BAR:.2f}{'' if rows <= BAR else '  OVER'}")

    def per_round(stored_of, empty_of):
        return statistics.median(stored_of(s) / empty_of(e)
                                 for s, e in zip(results["stored"], results["empty"]))

    whole = per_round(lambda s: s["window built"] + s["rows painted"],
                      lambda e: e["window built"] + e["window painted"])
    print(f"  stored start to rows painted / empty start to window painted: {whole:.2f}")


if __name__ == "__main__":
    main()
