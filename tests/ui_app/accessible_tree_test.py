#!/usr/bin/python3
"""Reads the simulated program's window over the desktop's accessibility bus (AT-SPI), as a
screen reader does: every control's name and role in the window's language, each printer entry
with its tick state, and a tick given from the keyboard as the client then sees it.

Usage: accessible_tree_test.py PATH/TO/NobrixVUZ-sim
Starts its own X server (Xvfb), session bus and accessibility bus, and ends them again. Exits 77
(which ctest counts as skipped) with a line saying why when a tool it needs is missing.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# The program starts in German, the starting language of this product's brand.
PRINTER_ENTRIES = [
    "Drucker SALVENOR LRX5303, Seriennummer CN53A1B00%d" % n for n in (1, 2, 3)
]
NOT_CHECKED = ", nicht angekreuzt"
CHECKED = ", angekreuzt"
BUTTONS = [
    "Sprache: wechseln zu Español",
    "Fenster minimieren",
    "Fenster schließen",
    "Anfang",
    "Update-Aktivität",
    "Schließen",
]


def skip(reason):
    print("accessible tree test SKIPPED: " + reason, flush=True)
    sys.exit(SKIPPED)


def missing_tools():
    missing = [tool for tool in ("Xvfb", "dbus-daemon", "xdotool") if not shutil.which(tool)]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER + " (at-spi2-core)")
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        missing.append("pyatspi (python3-pyatspi)")
    return missing


def wait_for(what, probe, seconds=30.0):
    """Polls `probe` until it returns something true; a real program on real buses."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def read_line_from(command, env):
    """Starts `command`, whose "{fd}" becomes a pipe for it to print one line on (its display or
    its bus address), and returns the process and that line."""
    reader, writer = os.pipe()
    process = subprocess.Popen([part.replace("{fd}", str(writer)) for part in command], env=env,
                               pass_fds=(writer,), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    os.close(writer)
    with os.fdopen(reader) as pipe:
        line = pipe.readline().strip()
    return process, line


class Desktop:
    """An X server, a session bus and the accessibility bus on it, ended in reverse order."""

    def __init__(self):
        self.processes = []
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
            self.env.pop(name, None)

    def start(self):
        xvfb, display = read_line_from(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
            self.env)
        self.processes.append(xvfb)
        self.env["DISPLAY"] = ":" + display
        bus, address = read_line_from(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], self.env)
        self.processes.append(bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.processes.append(subprocess.Popen(
            [BUS_LAUNCHER, "--launch-immediately"], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def run(self, command, **extra_env):
        env = dict(self.env, **extra_env)
        process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, depth + 1)


def actions_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(index) for index in range(action.nActions)]


def state_of(node, state):
    node.clearCache()
    return node.getState().contains(state)


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def expect(self, what, ok, detail=""):
        print(("PASS " if ok else "FAIL ") + what + ("" if ok else ": " + detail), flush=True)
        if ok:
            self.passed += 1
        else:
            self.failed += 1


def find_application(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == "NobrixVUZ-sim":
            return application
    return None


def read_tree(pyatspi, application):
    """Named nodes by role, once the check list is filled."""
    def entries():
        nodes = list(walk(application))
        items = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_LIST_ITEM]
        return nodes if PRINTER_ENTRIES[0] + NOT_CHECKED in items else None
    return wait_for("the printer entries on the accessibility bus", entries)


def check_tree(pyatspi, nodes, checks):
    by_name = {}
    for node in nodes:
        by_name.setdefault(node.name, []).append(node)
    lists = [n for n in by_name.get("Druckerliste", []) if n.getRole() == pyatspi.ROLE_LIST]
    checks.expect("the printer list is a list named in German", len(lists) == 1,
                  str([(n.getRoleName(), n.name) for n in by_name.get("Druckerliste", [])]))
    for entry in PRINTER_ENTRIES:
        name = entry + NOT_CHECKED
        found = [n for n in by_name.get(name, []) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
        ok = len(found) == 1 and not state_of(found[0], pyatspi.STATE_CHECKED)
        checks.expect("'%s' is a list item, not checked" % name, ok,
                      str([n.getRoleName() for n in found]))
        checks.expect("'%s' offers to toggle its tick" % entry,
                      len(found) == 1 and "Toggle" in actions_of(found[0]))
    for button in BUTTONS:
        found = [n for n in by_name.get(button, []) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        checks.expect("'%s' is a push button" % button, len(found) == 1,
                      str([n.getRoleName() for n in by_name.get(button, [])]))
    diagnosis = [n for n in nodes if "[SN#:CN53A1B005]" in (n.name or "")]
    checks.expect("the unusable printer is named in a label", len(diagnosis) == 1
                  and diagnosis[0].getRole() == pyatspi.ROLE_LABEL, str(len(diagnosis)))


def tick_from_keyboard(pyatspi, nodes, desktop, checks):
    """Tab to the list, Space on the first entry: the client must see it checked."""
    first = [n for n in nodes if n.name == PRINTER_ENTRIES[0] + NOT_CHECKED
             and n.getRole() == pyatspi.ROLE_LIST_ITEM][0]
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "SALVENOR"],
                            env=desktop.env, capture_output=True, text=True, timeout=30)
    window_id = window.stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], env=desktop.env, timeout=30)
    subprocess.run(["xdotool", "key", "--delay", "100", "Tab", "space"], env=desktop.env,
                   timeout=30)
    try:
        wait_for("the tick", lambda: state_of(first, pyatspi.STATE_CHECKED), seconds=15)
        checks.expect("Tab and Space tick the first entry, and the client sees it", True)
    except AssertionError as error:
        checks.expect("Tab and Space tick the first entry, and the client sees it", False,
                      str(error))
    checks.expect("the ticked entry says so in German", first.name == PRINTER_ENTRIES[0] + CHECKED,
                  first.name)
    second = [n for n in nodes if n.name == PRINTER_ENTRIES[1] + NOT_CHECKED][0]
    checks.expect("the second entry stays unchecked", not state_of(second, pyatspi.STATE_CHECKED))


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    missing = missing_tools()
    if missing:
        skip("missing " + ", ".join(missing))
    desktop = Desktop()
    checks = Checks()
    with tempfile.TemporaryDirectory() as home:
        try:
            desktop.start()
            # pyatspi finds the accessibility bus through the session bus at import.
            os.environ.update(desktop.env)
            import pyatspi
            desktop.run([sys.argv[1], "--scenario", "unusable"], HOME=home,
                        NOBRIX_HISTORY=os.path.join(home, "history.sqlite"),
                        QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            application = wait_for("NobrixVUZ-sim on the accessibility bus",
                                   lambda: find_application(pyatspi))
            nodes = read_tree(pyatspi, application)
            check_tree(pyatspi, nodes, checks)
            tick_from_keyboard(pyatspi, nodes, desktop, checks)
        except AssertionError as error:
            checks.expect("the accessible tree could be read", False, str(error))
        finally:
            desktop.stop()
    print("%d passed, %d failed" % (checks.passed, checks.failed), flush=True)
    return 0 if checks.failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
