#!/usr/bin/env python3
"""Checks a scan of a very deep tree under a low descriptor limit.

Builds once a chain of DEPTH nested directories (default 25,000; each level
named "d", a 1 KiB file every 1,000 levels) with a 900 MB sparse file at the
bottom, then runs `vastrel-top -n 5 TREE` with RLIMIT_NOFILE lowered to 256
under GNU time, and prints whether the bottom file was listed, how many files
were, the wall time and the peak RSS. The paths are far longer than the
system takes at once, so the tree is built and walked relative to open
directories.

usage: deeptree.py VASTREL_TOP DIR [DEPTH]
"""
import os
import resource
import sys
import time

from benchcommon import mark_built, run_timed, tree_is_built

BOTTOM_SIZE = 900 * 2**20
MARKER = ".vastrel-deep-tree"


def build(top, depth):
    version = f"vastrel-deep-tree {depth}"
    if tree_is_built(top, MARKER, version,
                     f"deeptree: {top} exists and is not a deep benchmark tree; remove it or choose another"):
        return
    os.makedirs(top, exist_ok=True)
    fd = os.open(top, os.O_RDONLY | os.O_DIRECTORY)
    for level in range(1, depth + 1):
        os.mkdir("d", dir_fd=fd)
        child = os.open("d", os.O_RDONLY | os.O_DIRECTORY, dir_fd=fd)
        os.close(fd)
        fd = child
        if level % 1000 == 0:
            small = os.open(f"level-{level}.bin", os.O_WRONLY | os.O_CREAT, 0o644, dir_fd=fd)
            os.ftruncate(small, 1024)
            os.close(small)
    bottom = os.open("bottom-900m.img", os.O_WRONLY | os.O_CREAT, 0o644, dir_fd=fd)
    os.ftruncate(bottom, BOTTOM_SIZE)
    os.close(bottom)
    os.close(fd)
    mark_built(top, MARKER, version)


def lower_limit():
    _, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    resource.setrlimit(resource.RLIMIT_NOFILE, (256, hard))


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__.strip())
    top_program, tree = sys.argv[1], os.path.abspath(sys.argv[2])
    depth = int(sys.argv[3]) if len(sys.argv) == 4 else 25000
    started = time.perf_counter()
    build(tree, depth)
    print(f"deep tree: {tree}, {depth} levels (ready in {time.perf_counter() - started:.1f} s)")
    wall, cpu, rss, done = run_timed([top_program, "-n", "5", tree], preexec_fn=lower_limit)
    lines = done.stdout.decode(errors="replace").splitlines()
    found = any(line.endswith("/bottom-900m.img") and line.startswith("900\t") for line in lines)
    print(f"descriptor limit 256: exit {done.returncode}, bottom file listed: {'yes' if found else 'NO'}, "
          f"{len(lines)} rows, {wall:.3f} s, CPU {cpu:.3f} s, "
          f"peak RSS {rss / 1024:.1f} MB")
    if done.returncode != 0 or not found:
        sys.exit(1)


if __name__ == "__main__":
    main()
