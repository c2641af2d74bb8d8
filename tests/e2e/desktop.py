# SPDX-License-Identifier: GPL-3.0-or-later
"""Helpers for driving the real program on a virtual display: start it, find its
windows with xdotool, type and click as a user, read texts through the accessibility
tree (AT-SPI), take screenshots, and watch that the program and its windows stay up."""
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


def start(binary, env=None, cwd=None):
    """Starts the program with its output going to a file: a pipe nobody reads could
    fill and stall it, and a failing test shows what the program said."""
    log = tempfile.NamedTemporaryFile(prefix="hensai-", suffix=".log", delete=False,
                                      dir=os.environ.get("XDG_RUNTIME_DIR"))
    with log:
        program = subprocess.Popen([binary], stdout=log, stderr=subprocess.STDOUT, env=env, cwd=cwd)
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
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
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


def mapped(window):
    """Whether the X window exists and is mapped (viewable)."""
    result = run("xwininfo", "-id", window, check=False)
    return result.returncode == 0 and "Map State: IsViewable" in result.stdout


class Checks:
    """Counts checks; after every step (alive) and at the end, the watched program must
    still run and each watched window still be mapped, or the test fails."""

    def __init__(self):
        self.passed = 0
        self.failed = 0
        self.program = None
        self.windows = {}

    def equal(self, what, actual, expected):
        if actual == expected:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL {what}: got {actual!r}, expected {expected!r}", file=sys.stderr)

    def true(self, what, value):
        self.equal(what, bool(value), True)

    def watch(self, program, **windows):
        """Watches the program and the named windows (X ids) from now on."""
        self.program = program
        self.windows.update(windows)

    def unwatch(self, *names):
        """Stops watching the named windows, or, with no names, everything."""
        if not names:
            self.program = None
            self.windows.clear()
        for name in names:
            self.windows.pop(name, None)

    def alive(self, step):
        """Fails, and ends the test, when the program has ended or a watched window is
        gone: every later check would only repeat that."""
        problems = []
        if self.program is not None and self.program.poll() is not None:
            problems.append(f"the program ended with status {self.program.returncode}:\n"
                            f"{output(self.program)}")
        for name, window in self.windows.items():
            if not mapped(window):
                problems.append(f"the {name} window ({window}) is no longer mapped")
        if not problems:
            self.passed += 1
            return
        for problem in problems:
            print(f"FAIL after {step}: {problem}", file=sys.stderr)
        self.failed += 1
        self.unwatch()
        self.finish()

    def finish(self):
        if self.program is not None or self.windows:
            watched, self.program, self.windows = (self.program, self.windows), None, {}
            program, windows = watched
            for name, window in windows.items():
                if not mapped(window):
                    self.failed += 1
                    print(f"FAIL at the end: the {name} window is no longer mapped", file=sys.stderr)
            if program is not None and program.poll() is not None:
                self.failed += 1
                print(f"FAIL at the end: the program ended with status {program.returncode}",
                      file=sys.stderr)
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


# ---------------------------------------------------------------- with a window manager

def start_window_manager():
    """Starts openbox on the virtual display and waits until it manages the screen."""
    wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False).stdout:
            return wm
        time.sleep(0.1)
    wm.kill()
    raise AssertionError("openbox did not take over the screen")


def stop_window_manager(wm):
    """Ends openbox after a journey. Its exit is not what a journey tests: under a
    loaded machine it can take longer than the program's, so it is killed after a
    while rather than failing a journey whose checks all held."""
    wm.terminate()
    try:
        wm.wait(timeout=10)
    except subprocess.TimeoutExpired:
        wm.kill()
        wm.wait(timeout=10)


def active_window():
    return xdotool("getactivewindow", check=False)


def net_wm_state(window):
    """The _NET_WM_STATE atoms the window manager has set on the window."""
    out = run("xprop", "-id", window, "_NET_WM_STATE").stdout
    return set(a.strip() for a in out.split("=", 1)[1].split(",")) if "=" in out else set()


def extents(node):
    """Where an element is on the screen, in the screen's pixels: the accessibility tree
    gives Qt's own, which QT_SCALE_FACTOR scales."""
    e = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1") or 1)
    return tuple(round(v * scale) for v in (e.x, e.y, e.width, e.height))


def point_at(x, y):
    xdotool("mousemove", "--sync", str(x), str(y))


def click_at(x, y):
    point_at(x, y)
    xdotool("click", "1")


def click(node, dx=None):
    """Clicks the middle of an element (or dx pixels from its left edge)."""
    x, y, w, h = extents(node)
    click_at(x + (w // 2 if dx is None else dx), y + h // 2)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def checked(node):
    return node.get_state_set().contains(Atspi.StateType.CHECKED)


def choose(app, title, item, timeout=5.0):
    """Opens a menu of the menu bar and clicks one of its items, with the mouse."""
    click(find(app, title, "menu item"))
    node = find(app, item)
    deadline = time.monotonic() + timeout
    while not showing(node):
        if time.monotonic() > deadline:
            raise AssertionError(f"menu {title!r} did not open")
        time.sleep(0.05)
    time.sleep(0.1)
    click(node)
    time.sleep(0.4)


def field(app, name):
    """The entry field named by its caption (for a combo box, its edit part)."""
    for node in walk(app):
        try:
            if node.get_name() != name or node.get_role_name() not in ("text", "combo box"):
                continue
        except gi.repository.GLib.Error:
            continue
        if node.get_role_name() == "combo box":
            for child in walk(node):
                if child.get_role_name() == "text":
                    return child
        return node
    raise AssertionError(f"no entry field named {name!r}")


def text_of(node):
    return Atspi.Text.get_text(node, 0, -1)


def grab(x, y, w, h):
    """The screen's pixels in a rectangle, as raw RGB bytes (the pointer is not in it)."""
    result = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}",
                             "-depth", "8", "rgb:-"], capture_output=True, timeout=20)
    if result.returncode != 0:
        raise AssertionError(f"import failed: {result.stderr.decode(errors='replace')}")
    return result.stdout


# ---------------------------------------------------------------- frames and stacking

def activate(window):
    """Brings a window to the front with the keyboard, as the window manager does on a click."""
    xdotool("windowactivate", "--sync", window)
    time.sleep(0.2)


def frame(window):
    """(x, y, width, height) of a window with the window manager's frame around it."""
    out = run("xwininfo", "-id", window).stdout
    values = {}
    for line in out.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    x, y = int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])
    w, h = int(values["Width"]), int(values["Height"])
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS").stdout
    left = right = top = bottom = 0
    if "=" in extents:
        left, right, top, bottom = (int(v) for v in extents.split("=", 1)[1].split(","))
    return x - left, y - top, w + left + right, h + top + bottom, top


def screen_size():
    out = xdotool("getdisplaygeometry")
    w, h = out.split()
    return int(w), int(h)


def on_screen(window):
    """Whether the whole frame, title bar included, lies on the screen."""
    x, y, w, h, _ = frame(window)
    sw, sh = screen_size()
    return x >= 0 and y >= 0 and x + w <= sw and y + h <= sh


def stacking():
    """The managed windows from the bottom to the top, as decimal ids like xdotool's."""
    out = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING").stdout
    if "#" not in out:
        return []
    return [str(int(v.strip(), 16)) for v in out.split("#", 1)[1].split(",")]


def title_bar_in_sight(window, windows):
    """How many columns of the window's title bar no window above it covers (of those
    given): the part a user can click to bring it to the front."""
    x, y, w, _, top = frame(window)
    order = stacking()
    level = order.index(window) if window in order else -1
    covered = []
    for other in windows:
        if other == window or other not in order or order.index(other) < level:
            continue
        ox, oy, ow, oh, _ = frame(other)
        if oy < y + max(top, 1) and oy + oh > y:  # reaches into the title bar's lines
            covered.append((max(ox, x), min(ox + ow, x + w)))
    free, at = 0, x
    for start, end in sorted(c for c in covered if c[0] < c[1]):
        if start > at:
            free += start - at
        at = max(at, end)
    return free + max(0, x + w - at)


def transient_for(window):
    """The window this one is kept above by the window manager (WM_TRANSIENT_FOR), if any."""
    out = run("xprop", "-id", window, "WM_TRANSIENT_FOR").stdout
    return out.split("#", 1)[1].strip() if "#" in out else ""


def focused(node):
    """The element of a window's accessibility tree that has the keyboard focus."""
    for n in walk(node):
        try:
            if n.get_state_set().contains(Atspi.StateType.FOCUSED):
                return n
        except gi.repository.GLib.Error:
            continue
    return None
