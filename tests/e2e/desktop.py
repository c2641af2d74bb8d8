"""Helpers for driving the real program on a virtual display: start it, find its
windows with xdotool, type and click as a user, read texts through the accessibility
tree (AT-SPI), take screenshots."""
import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def run(*args, check=True, timeout=20):
    result = subprocess.run(args, timeout=timeout, capture_output=True, text=True)
    if check and result.returncode != 0:
        raise AssertionError(f"{' '.join(args)} ended with status {result.returncode}: "
                             f"{result.stderr.strip()}")
    return result


def xdotool(*args, check=True):
    return run("xdotool", *args, check=check).stdout.strip()


def start(binary):
    """Starts the program with its output going to a file: a pipe nobody reads could
    fill and stall it, and a failing test shows what the program said."""
    log = tempfile.NamedTemporaryFile(prefix="hensai-", suffix=".log", delete=False,
                                      dir=os.environ.get("XDG_RUNTIME_DIR"))
    with log:
        program = subprocess.Popen([binary], stdout=log, stderr=subprocess.STDOUT)
    program.log_path = log.name
    return program


def output(program):
    """Everything the program has written to standard output and error so far."""
    with open(program.log_path, encoding="utf-8", errors="replace") as f:
        return f.read()


def wait_for_window(name, timeout=20.0, program=None):
    """The X window id of the first mapped window with this exact title."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        out = xdotool("search", "--onlyvisible", "--name", f"^{name}$", check=False)
        if out:
            return out.splitlines()[0]
        if program is not None and program.poll() is not None:
            raise AssertionError(f"the program ended with status {program.returncode} "
                                 f"before showing {name!r}:\n{output(program)}")
        time.sleep(0.05)
    said = f"; the program said:\n{output(program)}" if program is not None else ""
    raise AssertionError(f"no window named {name!r} within {timeout}s{said}")


def focus(window):
    # No window manager: nothing raises or focuses windows for us.
    xdotool("windowraise", window)
    xdotool("windowfocus", "--sync", window)
    time.sleep(0.1)


def type_text(window, text):
    xdotool("type", "--window", window, "--delay", "40", text)


def key(window, *keys):
    for k in keys:
        xdotool("key", "--window", window, k)
        time.sleep(0.03)


def geometry(window):
    """(x, y, width, height) of a window as the X server has it."""
    out = xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def screenshot(window, path):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    run("import", "-window", window, path)


def screenshot_root(path, crop=None):
    args = ["import", "-window", "root"]
    if crop:
        args += ["-crop", crop]
    run(*args, path)


def application(name, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    raise AssertionError(f"application {name!r} not in the accessibility tree")


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def text_by_description(app, description):
    """The shown text (the accessible name) of the element with this description."""
    for node in walk(app):
        try:
            if node.get_description() == description:
                return node.get_name()
        except gi.repository.GLib.Error:
            continue
    raise AssertionError(f"no element described {description!r}")


def poll(fn, expected, timeout=5.0):
    deadline = time.monotonic() + timeout
    value = fn()
    while value != expected and time.monotonic() < deadline:
        time.sleep(0.1)
        value = fn()
    return value


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def equal(self, what, actual, expected):
        if actual == expected:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL {what}: got {actual!r}, expected {expected!r}", file=sys.stderr)

    def true(self, what, value):
        self.equal(what, bool(value), True)

    def finish(self):
        print(f"{self.passed} passed, {self.failed} failed")
        sys.exit(1 if self.failed else 0)


def find(app, name, role=None):
    for node in walk(app):
        try:
            if node.get_name() == name and (role is None or node.get_role_name() == role):
                return node
        except gi.repository.GLib.Error:
            continue
    raise AssertionError(f"no element named {name!r}")


def press(app, name, role=None):
    """Presses a button or option through the accessibility tree, as a screen reader
    user would; the program acts on it a moment later."""
    node = find(app, name, role)
    action = node.get_action_iface()
    if action is None or not action.do_action(0):
        raise AssertionError(f"{name!r} cannot be pressed")
    time.sleep(0.3)


def window_node(app, title, timeout=10.0):
    """The accessibility node of one of the program's windows, to search within it."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for i in range(app.get_child_count()):
            child = app.get_child_at_index(i)
            if child is not None and child.get_name() == title:
                return child
        time.sleep(0.1)
    raise AssertionError(f"no window {title!r} in the accessibility tree")
