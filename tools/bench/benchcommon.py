"""What the benchmark tools share: a command timed under GNU time, a busy
loop that takes one core, and the marker that says a generated tree is
finished.

Imported by the scripts of this folder, which run from it, so Python finds
it beside them.
"""
import os
import subprocess
import sys
import tempfile
import time


def run_timed(argv, env=None, preexec_fn=None):
    """Runs argv under GNU time; returns (wall s, CPU s, peak RSS KiB, CompletedProcess).

    The CPU time is user + system, the command's children included; the peak
    RSS is that of the largest process of the command. GNU time is used
    because a child forked from Python would inherit Python's own peak.
    stdout and stderr are captured.
    """
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        done = subprocess.run(["/usr/bin/time", "-f", "%U %S %M", "-o", report.name] + argv,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env,
                              preexec_fn=preexec_fn)
        seconds = time.perf_counter() - start
        user, system, rss = report.read().split()[-3:]
        return seconds, float(user) + float(system), int(rss), done


class Hog:
    """A busy loop pinned to CPU 0, for as long as the phase lasts."""

    def __enter__(self):
        self.process = subprocess.Popen(["taskset", "-c", "0", "sh", "-c", "while :; do :; done"])
        time.sleep(0.5)  # let it take the core before the first run
        return self

    def __exit__(self, *exc):
        self.process.kill()
        self.process.wait()


def tree_is_built(top, marker_name, version, refusal):
    """Whether top holds a finished tree: its marker file reads version.

    A folder that is not empty yet lacks that marker is never built over: the
    program ends with the message refusal.
    """
    try:
        with open(os.path.join(top, marker_name)) as f:
            if f.read().strip() == version:
                return True
    except FileNotFoundError:
        pass
    if os.path.exists(top) and os.listdir(top):
        sys.exit(refusal)
    return False


def mark_built(top, marker_name, version):
    """Writes the marker tree_is_built looks for."""
    with open(os.path.join(top, marker_name), "w") as f:
        f.write(version + "\n")
