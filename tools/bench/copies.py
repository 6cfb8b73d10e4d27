#!/usr/bin/env python3
"""Times `vastrel-top --copies` on a tree of 10,000 files with 200 sets of
copies and prints its ratios against `cat` of the same files.

The tree (real data, written from one random block, never sparse): 200 sets
of two or three copies, 100 pairs of equal size that differ in their first
byte and 100 that differ in their last, all sizes above 1 MiB, and for the
rest of the 10,000 files sizes of their own, below 100 KB. The candidates
(the files whose size is met more than once) hold about 80 % of the bytes.

With a warm cache, ROUNDS rounds, each in a new shuffled order, of
  scan     vastrel-top -n 10000 TREE            (the listing alone)
  copies   vastrel-top -n 10000 --copies TREE   (the listing, then the comparison)
  cat      cat CANDIDATES > /dev/null
it prints the medians and:
  - the bytes the comparison read (read() calls of `copies` less those of
    `scan`, from /proc/PID/io) against the candidates' bytes: at most 1.00
    means every candidate was read at most once in full;
  - the comparison's speed (copies less scan) against cat's, as the ratio of
    the times on the same files and of the bytes read per second: the bar
    is 0.70;
  - the comparison's memory: peak RSS of `copies` less that of `scan`, the
    bar 30 MB;
  - with strace, once, whether any file of a size of its own was opened.

usage: copies.py VASTREL_TOP TREE GIB ROUNDS
"""
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

FILES = 10000
SETS = 200
NEAR_PAIRS = 100  # each: differing in the first byte, and differing in the last


def make_tree(top, total_bytes):
    """Writes the tree; returns (candidate paths, candidate bytes, unique paths)."""
    rng = random.Random(21)
    block = os.urandom(64 << 20)
    candidates = []
    uniques = []
    os.makedirs(top)

    def write(path, offset, size, flip=None):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            done = 0
            while done < size:
                start = (offset + done) % len(block)
                piece = min(size - done, len(block) - start)
                data = block[start:start + piece]
                if flip is not None and done <= flip < done + piece:
                    data = bytearray(data)
                    data[flip - done] ^= 0xFF
                f.write(data)
                done += piece

    copies = [2 + (i % 3 == 0) for i in range(SETS)]
    big_files = sum(copies) + 4 * NEAR_PAIRS
    unique_count = FILES - big_files
    unique_bytes = sum(10000 + 9 * k for k in range(unique_count))
    # The rest goes to the candidates, sizes spread around their mean.
    mean = max((total_bytes - unique_bytes) // big_files, 1 << 20)
    size_of = iter(rng.sample(range(mean // 2, mean * 3 // 2, 4099), SETS + 2 * NEAR_PAIRS))

    for i in range(SETS):
        size = next(size_of)
        offset = rng.randrange(len(block))
        for c in range(copies[i]):
            path = os.path.join(top, f"set{i:03d}", f"copy{c}", f"file{i}.bin")
            write(path, offset, size)
            candidates.append(path)
    for i in range(NEAR_PAIRS):
        for flip_at_end in (False, True):
            size = next(size_of)
            offset = rng.randrange(len(block))
            kind = "last" if flip_at_end else "first"
            for c in range(2):
                path = os.path.join(top, f"near-{kind}{i:03d}", f"twin{c}.bin")
                write(path, offset, size, (size - 1 if flip_at_end else 0) if c else None)
                candidates.append(path)
    for k in range(unique_count):
        path = os.path.join(top, f"unique{k // 500:02d}", f"u{k}.dat")
        write(path, rng.randrange(len(block)), 10000 + 9 * k)
        uniques.append(path)
    return candidates, sum(os.path.getsize(p) for p in candidates), uniques


def run(argv):
    """Runs argv, its output into a file (cat's into /dev/null); returns (wall s, CPU s, peak RSS KiB,
    bytes read by read() calls, output).

    GNU time gives the CPU time and the peak RSS (a child forked from Python
    would inherit Python's own peak); the read() bytes are those of GNU time,
    which has reaped the command, read before GNU time is reaped itself.
    """
    with tempfile.TemporaryFile() as out, tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-f", "%U %S %M", "-o", report.name] + argv,
                                   stdout=subprocess.DEVNULL if argv[0] == "cat" else out,
                                   stderr=subprocess.DEVNULL)
        os.waitid(os.P_PID, process.pid, os.WEXITED | os.WNOWAIT)
        seconds = time.perf_counter() - start
        with open(f"/proc/{process.pid}/io") as f:
            rchar = int(f.read().split()[1])
        if process.wait() != 0:
            sys.exit(f"copies: {argv[0]} exited with {process.returncode}")
        user, system, rss = report.read().split()[-3:]
        out.seek(0)
        return seconds, float(user) + float(system), int(rss), rchar, out.read()


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    top_program, tree, gib, rounds = sys.argv[1], sys.argv[2], float(sys.argv[3]), int(sys.argv[4])
    if os.path.exists(tree):
        sys.exit(f"copies: {tree} exists; give a path that does not")
    try:
        print(f"writing {gib:g} GiB in {FILES} files below {tree}...", flush=True)
        candidates, candidate_bytes, uniques = make_tree(tree, int(gib * (1 << 30)))
        print(f"{len(candidates)} candidates, {candidate_bytes / (1 << 20):.0f} MiB; "
              f"{len(uniques)} files of a size of their own", flush=True)

        commands = {
            "scan": [top_program, "-n", str(FILES), "--bytes", tree],
            "copies": [top_program, "-n", str(FILES), "--bytes", "--copies", tree],
            "cat": ["cat"] + candidates,
        }
        results = {name: {"wall": [], "cpu": [], "rss": 0, "rchar": []} for name in commands}
        outputs = {}
        for name, argv in commands.items():  # warm-up: the cache, not counted
            outputs[name] = run(argv)[4]
        order = list(commands)
        shuffler = random.Random(1)
        for _ in range(rounds):
            shuffler.shuffle(order)
            for name in order:
                wall, cpu, rss, rchar, _ = run(commands[name])
                entry = results[name]
                entry["wall"].append(wall)
                entry["cpu"].append(cpu)
                entry["rss"] = max(entry["rss"], rss)
                entry["rchar"].append(rchar)

        sets = [s for s in outputs["copies"].split(b"\n\n") if s]
        print(f"sets printed: {len(sets)} (of {SETS}); load average {os.getloadavg()[0]:.2f}")
        med = {name: {key: statistics.median(e[key]) for key in ("wall", "cpu", "rchar")}
               for name, e in results.items()}
        for name, e in results.items():
            print(f"  {name}: median {med[name]['wall']:.3f} s, CPU {med[name]['cpu']:.3f} s, "
                  f"peak RSS {e['rss'] / 1024:.1f} MB, read {med[name]['rchar'] / (1 << 20):.0f} MiB")
        hashing = med["copies"]["wall"] - med["scan"]["wall"]
        read = med["copies"]["rchar"] - med["scan"]["rchar"]
        memory = (results["copies"]["rss"] - results["scan"]["rss"]) / 1024
        print(f"comparison: {hashing:.3f} s, {read / (1 << 20):.0f} MiB read")
        print(f"  read / candidates' bytes: {read / candidate_bytes:.3f} (bar: at most 1.00)")
        print(f"  speed against cat, time of cat on every candidate over the comparison's: "
              f"{med['cat']['wall'] / hashing:.2f} (bar: at least 0.70)")
        print(f"  bytes per second against cat's: "
              f"{(read / hashing) / (med['cat']['rchar'] / med['cat']['wall']):.2f}")
        print(f"  memory beyond the scan's: {memory:.1f} MB (bar: at most 30 MB)")

        if shutil.which("strace"):
            log = os.path.join(os.path.dirname(tree.rstrip("/")) or ".", "copies-strace.log")
            subprocess.run(["strace", "-f", "-qq", "-e", "trace=open,openat", "-o", log]
                           + commands["copies"], stdout=subprocess.DEVNULL, check=True)
            with open(log, errors="replace") as f:
                opened = f.read()
            os.remove(log)
            touched = sum(1 for p in uniques if f'"{p}"' in opened)
            print(f"  files of a size of their own opened: {touched} of {len(uniques)}")
    finally:
        shutil.rmtree(tree, ignore_errors=True)


if __name__ == "__main__":
    main()
