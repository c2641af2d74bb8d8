# SPDX-License-Identifier: GPL-3.0-or-later
"""The plan window end to end, under openbox and with the keyboard: opened from the
calculator window's menu, the published mixed loan typed (3,000 万円, half at 1.4 % for
the whole term, half variable at 0.6 %, 35 years, one borrower of 600 万円), computed with
Enter and its first instalments read through the accessibility tree; the window on the
screen. Closed with Esc and opened again, what was typed is back.
Optional third argument: the scale factor (QT_SCALE_FACTOR) to run at."""
import os
import sys
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
scale = sys.argv[3] if len(sys.argv) > 3 and sys.argv[3] else "1"
suffix = "" if scale == "1" else f"-{scale}x"
check = d.Checks()
wm = d.start_window_manager()

env = dict(os.environ, QT_SCALE_FACTOR=scale)
program = d.start(binary, env=env)
main = d.wait_for_window("Hensai Navi", program=program)
check.watch(program, main=main)
d.focus(main)
app = d.application("hensai-navi")
MONTHLY = "毎月返済額 (初回)"


def activate(window):
    d.xdotool("windowactivate", "--sync", window, check=False)
    d.focus(window)


def open_plan():
    """表示 › プラン, the menu's last item, with the keyboard."""
    activate(main)
    d.key(main, "alt+v")
    time.sleep(0.3)
    d.key(main, "Up", "Return")
    window = d.wait_for_window("プラン", program=program)
    activate(window)
    return window


def named(root, name, nth=0):
    """The nth shown element of that name (each loan's fields have the same names)."""
    found = []
    for node in d.walk(root):
        try:
            if node.get_name() == name and node.get_role_name() != "label" and d.showing(node):
                found.append(node)
        except Exception:  # noqa: BLE001 - elements may go while walking
            continue
    if len(found) <= nth:
        raise AssertionError(f"no element {nth} named {name!r}")
    return found[nth]


def type_into(window, node, text):
    activate(window)
    d.Atspi.Component.grab_focus(node)
    time.sleep(0.2)
    d.key(window, "ctrl+a", "BackSpace")
    d.type_text(window, text)


def values(root, description):
    found = []
    for node in d.walk(root):
        try:
            if node.get_description() == description and d.showing(node):
                found.append(node.get_name())
        except Exception:  # noqa: BLE001
            continue
    return found


plan = open_plan()
check.watch(program, main=main, plan=plan)
check.true(f"plan window on the screen {d.frame(plan)[:4]} of {d.screen_size()}", d.on_screen(plan))
node = d.window_node(app, "プラン")
# The first field has the keyboard: 物件価格.
d.type_text(plan, "3000")
type_into(plan, named(node, "借入者1の年収 (万円)"), "600")
type_into(plan, named(node, "借入額 (万円)"), "1500")
type_into(plan, named(node, "金利 (%)"), "1.4")
d.key(plan, "alt+a")  # 借入を追加
time.sleep(0.3)
type_into(plan, named(node, "借入額 (万円)", 1), "1500")
# ﾎﾞｰﾅｽ, 期間, the first month's year and month, then 商品: 変動.
d.key(plan, "Tab", "Tab", "Tab", "Tab", "Tab", "Down")
type_into(plan, named(node, "金利 (%)", 1), "0.6")
d.key(plan, "Return")
# Each loan's grid first, the whole plan's last.
expected = ["45,196円", "39,604円", "84,800円"]
check.equal("each loan's and the plan's first instalment",
            d.poll(lambda: (lambda v: v[:2] + v[-1:])(values(node, MONTHLY)), expected, timeout=8), expected)
if out:
    time.sleep(0.3)
    d.screenshot(plan, os.path.join(out, f"plan-window{suffix}.png"))
check.true(f"still on the screen {d.frame(plan)[:4]}", d.on_screen(plan))
check.alive("computed")

check.unwatch("plan")
d.xdotool("key", "--window", plan, "Escape", check=False)
check.true("closed", d.poll(lambda: not d.mapped(plan), True))
check.alive("plan window closed")
plan = open_plan()
check.watch(program, plan=plan)
node = d.window_node(app, "プラン")
check.equal("物件価格 kept", d.text_of(named(node, "物件価格 (万円)")), "3,000")
check.equal("the second loan's rate kept", d.text_of(named(node, "金利 (%)", 1)), "0.6")
check.alive("reopened")

check.unwatch()
program.terminate()
program.wait(timeout=10)
d.stop_window_manager(wm)
check.finish()
