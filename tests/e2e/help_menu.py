# SPDX-License-Identifier: GPL-3.0-or-later
"""The help menu of an installed copy, end to end: with no addresses built in,
ﾎｰﾑﾍﾟｰｼﾞへ opens the installed README and ﾒｰﾙを送る opens nothing; the about box
shows the version. A stand-in xdg-open on PATH records what the desktop was asked
to open."""
import os
import stat
import sys
import tempfile
import time

import desktop as d

binary, out, version = sys.argv[1], sys.argv[2], sys.argv[3]
check = d.Checks()

record = os.path.join(os.environ["XDG_RUNTIME_DIR"], "opened.txt")
bindir = tempfile.mkdtemp(dir=os.environ["XDG_RUNTIME_DIR"])
opener = os.path.join(bindir, "xdg-open")
with open(opener, "w") as f:
    f.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{record}"\n')
os.chmod(opener, stat.S_IRWXU)
os.environ["PATH"] = bindir + os.pathsep + os.environ["PATH"]


def opened():
    try:
        with open(record) as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []


def open_menu(app, title):
    """Opens a menu of the menu bar through the accessibility tree; its title may
    carry a mnemonic, as "ﾍﾙﾌﾟ(H)"."""
    for node in d.walk(app):
        try:
            name = node.get_name()
        except d.gi.repository.GLib.Error:
            continue
        if name == title or name.startswith(title + "("):
            action = node.get_action_iface()
            if action is not None and action.do_action(0):
                time.sleep(0.3)
                return
    raise AssertionError(f"no menu {title!r}")


def menu_command(app, menu, item):
    """Chooses a menu command as a screen reader user does: open the menu, then
    activate its item."""
    open_menu(app, menu)
    d.press(app, item, "menu item")


program = d.start(binary)
win = d.wait_for_window("Hensai Navi", program=program)
d.focus(win)
app = d.application("hensai-navi")

readme = os.path.realpath(os.path.join(os.path.dirname(binary), "..", "share", "doc", "hensai-navi", "README.md"))
check.true("the installed README exists", os.path.isfile(readme))
menu_command(app, "ﾍﾙﾌﾟ", "ﾎｰﾑﾍﾟｰｼﾞへ")
check.equal("home page opens the installed README", d.poll(opened, ["file://" + readme]), ["file://" + readme])

menu_command(app, "ﾍﾙﾌﾟ", "ﾒｰﾙを送る")
time.sleep(1.0)
check.equal("mail with no address opens nothing", opened(), ["file://" + readme])
check.equal("the program still runs", program.poll(), None)

# The about box runs modally: an accessibility action on its item would wait for
# the box to close before answering, so the open menu gets keys instead, as from
# a user (the popup holds the keyboard): the last item, then Enter.
open_menu(app, "ﾍﾙﾌﾟ")
d.xdotool("key", "Up", "Return")
about = d.wait_for_window("ﾊﾞｰｼﾞｮﾝ情報", program=program)
about_node = d.window_node(app, "ﾊﾞｰｼﾞｮﾝ情報")
line = f"Hensai Navi  version {version}"
check.true("about box shows the version", any(n.get_name() == line for n in d.walk(about_node)))
if out:
    d.focus(about)
    d.screenshot(about, os.path.join(out, "about-box.png"))

program.terminate()
program.wait(timeout=10)
check.finish()
