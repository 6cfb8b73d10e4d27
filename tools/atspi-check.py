#!/usr/bin/env python3
"""Walks the main window's accessibility tree as a screen reader does.

    tools/atspi-check.py PATH/TO/vastrel

Starts the window on its own X server (Xvfb) and D-Bus session, with Qt's
accessibility bridge on, in a temporary home with a small temporary tree to
scan; finds the window's controls by their accessible names, presses "Scan"
through the AT-SPI action interface and waits for the status line to report
the new scan. Exits 0 when all is found, 77 (skipped) with the reason where no
accessibility bus can be started, 1 otherwise.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
NAMES = ["Close", "Minimize", "Settings", "Largest files"]
# Qt names a combo box after its current item; its description says what it is.
COMBO = "What the next scan walks: all disks, one disk or a list of folders"


def skip(reason):
    print("atspi-check: skipped: " + reason)
    sys.exit(SKIP)


def outer(program):
    for tool in ("dbus-run-session", "xvfb-run"):
        if not shutil.which(tool):
            skip(tool + " is not installed")
    # Debian's python3-pyatspi is a module of Debian's own Python, which a
    # python3 earlier on PATH (a virtual environment) may not see.
    python = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "xvfb-run", "-a", "-s",
                                   "-screen 0 1280x800x24", python,
                                   os.path.abspath(__file__), "--inner", program])


def walk(node, found, depth=0):
    if node is None or depth > 40:
        return
    try:
        found.append((node.getRoleName(), node.name or "", node.description or "", node))
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), found, depth + 1)
    except Exception:  # a node that went away while walked
        pass


def controls(pyatspi):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "vastrel":
            found = []
            walk(app, found)
            return found
    return []


def status_text(found):
    # The status line: the label whose name is the status text.
    for role, name, _, _ in found:
        if role == "label" and name.startswith("Scan Complete!"):
            return name
    return ""


def inner(program):
    launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher",
                                 "/usr/lib/at-spi2-core/at-spi-bus-launcher") if os.path.exists(p)), None)
    if launcher is None:
        skip("at-spi2-core's bus launcher is not installed")
    try:
        import pyatspi  # noqa: F401  (needs the bus, so imported after it starts)
    except ImportError:
        skip("python3-pyatspi is not installed")
    home = tempfile.mkdtemp(prefix="vastrel-atspi-")
    bus = subprocess.Popen([launcher, "--launch-immediately"], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    window = None
    try:
        time.sleep(1)
        if bus.poll() is not None:
            skip("the accessibility bus did not start")
        # The program writes its settings beside itself: a copy in the
        # temporary home keeps them away from the build and the user.
        app_dir = os.path.join(home, "app")
        os.makedirs(app_dir)
        shutil.copy(program, app_dir)
        tree = os.path.join(home, "tree")
        os.makedirs(tree)
        for name, size in (("a.bin", 4096), ("b.bin", 8192)):
            with open(os.path.join(tree, name), "wb") as f:
                f.truncate(size)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8",
                   LC_ALL="C.UTF-8", VASTREL_UPDATE_HOST="127.0.0.1:9")
        env.pop("LANGUAGE", None)
        # The tree given on the command line is scanned at once and becomes
        # the combo's target, so pressing Scan scans it again.
        window = subprocess.Popen([os.path.join(app_dir, os.path.basename(program)), tree], env=env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        import pyatspi
        found = []
        deadline = time.time() + 30
        while time.time() < deadline and "2 files" not in status_text(found):
            time.sleep(0.5)
            found = controls(pyatspi)
        if not found:
            print("atspi-check: the window never appeared on the accessibility bus")
            return 1
        named = {name for _, name, _, _ in found}
        missing = [n for n in NAMES if n not in named]
        undescribed = [name for _, name, desc, _ in found
                       if name in NAMES and not desc]
        for role, name, desc, _ in found:
            if role in ("push button", "combo box", "table", "check box", "text"):
                print("atspi-check: %s %r: %r" % (role, name, desc))
        scan = [node for role, name, _, node in found if role == "push button" and name == "Scan"]
        if not any(role == "combo box" and desc == COMBO for role, _, desc, _ in found):
            missing.append("the scan target combo")
        if missing or undescribed or not scan:
            print("atspi-check: not found by name: %s; without description: %s; Scan button: %s"
                  % (missing, undescribed, bool(scan)))
            return 1
        # A third file, which only a new scan can count.
        with open(os.path.join(tree, "c.bin"), "wb") as f:
            f.truncate(16384)
        action = scan[0].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)
        deadline = time.time() + 30
        text = ""
        while time.time() < deadline:
            text = status_text(controls(pyatspi))
            if "3 files" in text:
                print("atspi-check: pressed Scan through AT-SPI; the status line reads: " + text)
                return 0
            time.sleep(0.5)
        print("atspi-check: pressing Scan through AT-SPI did not scan again; status: " + text)
        return 1
    finally:
        if window is not None:
            window.terminate()
            try:
                window.wait(10)
            except subprocess.TimeoutExpired:
                window.kill()
        bus.terminate()
        bus.wait(10)
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inner":
        sys.exit(inner(sys.argv[2]))
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        sys.exit(2)
    outer(sys.argv[1])
