#!/usr/bin/env python3
"""Builds the scan benchmark's synthetic tree, the same on every run.

By default about 300,000 sparse files in 20,000 directories nested up to 8
deep (--files N: N files in N/15 directories, the same mix), sizes
from 0 bytes to a few files above 4 GiB, hidden files and directories (with
large files inside, which a scan must not list), symbolic links to files and
directories, and a link loop. Sparse files take no disk blocks, so the tree
costs inodes only. A finished tree is marked and not built again.

usage: maketree.py DIR [--files N]
"""
import os
import random
import sys

from benchcommon import mark_built, tree_is_built

VERSION = "vastrel-bench-tree 1"
MARKER = ".vastrel-bench-tree"
DIRECTORIES = 20000
FILES = 300000
MAX_DEPTH = 8


def main():
    args = sys.argv[1:]
    files_wanted = FILES
    if len(args) == 3 and args[1] == "--files" and args[2].isdigit() and int(args[2]) >= 1000:
        files_wanted = int(args[2])
    elif len(args) != 1:
        sys.exit(__doc__.strip())
    directories = DIRECTORIES if files_wanted == FILES else max(files_wanted // 15, 100)
    version = VERSION if files_wanted == FILES else f"{VERSION} files={files_wanted}"
    top = os.path.abspath(args[0])
    if tree_is_built(top, MARKER, version,
                     f"maketree: {top} exists and is not a benchmark tree; remove it or choose another"):
        print(f"tree: {top} (already built)")
        return

    rng = random.Random(20240501)
    os.makedirs(top, exist_ok=True)
    dirs = [(top, 0)]
    while len(dirs) < directories:
        parent, depth = dirs[rng.randrange(len(dirs))]
        if depth >= MAX_DEPTH:
            continue
        roll = rng.random()
        name = (".cache" if roll < 0.01 else "d") + f"{len(dirs):05d}"
        path = os.path.join(parent, name)
        os.mkdir(path)
        dirs.append((path, depth + 1))

    files = []
    for i in range(files_wanted):
        parent, _ = dirs[rng.randrange(len(dirs))]
        roll = rng.random()
        name = ("." if roll < 0.02 else "") + f"file-{i:06d}" + rng.choice([".bin", ".log", ".dat", ".tar.gz", ""])
        # Log-uniform sizes up to 1 GiB, a few bytes to a gigabyte.
        size = int(2 ** rng.uniform(0, 30)) if rng.random() > 0.05 else 0
        path = os.path.join(parent, name)
        with open(path, "wb") as f:
            f.truncate(size)
        files.append(path)

    # A few files above 4 GiB (distinct sizes, so the top ten has no ties),
    # and larger ones that must not be listed: hidden, or behind a link.
    for i, gib in enumerate([4.5, 5.25, 6.0, 7.75, 9.5, 12.0]):
        parent, _ = dirs[rng.randrange(1, len(dirs))]
        with open(os.path.join(parent, f"huge-{i}.img"), "wb") as f:
            f.truncate(int(gib * 2**30) + i)
    with open(os.path.join(top, ".hidden-20g.img"), "wb") as f:
        f.truncate(20 * 2**30)
    hidden_dir = os.path.join(top, ".trash")
    os.mkdir(hidden_dir)
    with open(os.path.join(hidden_dir, "deleted-30g.img"), "wb") as f:
        f.truncate(30 * 2**30)

    for i in range(2000):
        parent, _ = dirs[rng.randrange(len(dirs))]
        target = files[rng.randrange(len(files))] if i % 2 else dirs[rng.randrange(len(dirs))][0]
        os.symlink(target, os.path.join(parent, f"link-{i:04d}"))
    os.symlink(top, os.path.join(dirs[-1][0], "loop"))

    mark_built(top, MARKER, version)
    print(f"tree: {top} (built: {files_wanted + 6} files, {directories} directories)")


if __name__ == "__main__":
    main()
