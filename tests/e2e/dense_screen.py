# SPDX-License-Identifier: GPL-3.0-or-later
"""The program at a device pixel ratio of 2 on a 1920 x 1080 screen (960 x 540 in the
windows' own pixels), under a window manager (openbox): the calculator window stays
within the screen, its controls scroll, and the bottom figure is reached by Tab and
read; the schedule window opens with its whole frame on the screen, its commands and
totals within it."""
import os
import sys
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()
os.environ["QT_SCALE_FACTOR"] = "2"
wm = d.start_window_manager()

program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
check.watch(program, main=main)
d.activate(main)
app = d.application("hensai-navi")
x, y, w, h, _ = d.frame(main)
check.true(f"window and title bar within the screen's 1080 lines ({y} + {h})", y >= 0 and y + h <= 1080)
check.true(f"window within the screen's 1920 columns ({x} + {w})", x >= 0 and x + w <= 1920)
window = d.window_node(app, "Hensai Navi")
check.true("the controls scroll", any(n.get_role_name() == "scroll bar" for n in d.walk(window)))

d.type_text(main, "3000")
for text in ("600", "2.0", "3.0"):
    d.key(main, "Tab")
    d.type_text(main, text)
d.key(main, "Tab", "Down", "Down", "Return")
check.equal("total repaid", d.poll(lambda: d.text_by_description(app, "借入総返済額"), "45,313,480"),
            "45,313,480")
if out:
    time.sleep(0.3)
    d.screenshot(main, os.path.join(out, "main-window-2x-1080.png"))

# The schedule window: within the screen, its commands and totals too.
d.key(main, "ctrl+r")
schedule = d.wait_for_window("返済予定表", program=program)
check.watch(program, schedule=schedule)
time.sleep(0.5)
check.true(f"schedule window on the screen {d.frame(schedule)[:4]}", d.on_screen(schedule))
check.true("the calculator window's title bar in sight", d.title_bar_in_sight(main, [main, schedule]) >= 48)
node = d.window_node(app, "返済予定表")
sx, sy, sw, sh, _ = d.frame(schedule)
for name in ("CSV保存(S)...", "コピー(C)"):
    bx, by, bw, bh = d.extents(d.find(node, name, "push button"))
    check.true(f"{name} within the window on the screen ({bx}, {by})",
               sx <= bx and bx + bw <= sx + sw and sy <= by and by + bh <= sy + sh)
tx, ty, tw, th = d.extents(d.find(node, "総返済額の比較", "panel"))
check.true(f"the totals start within the window ({tx}, {ty})", sx <= tx < sx + sw and sy <= ty < sy + sh)
if out:
    time.sleep(0.3)
    d.screenshot_root(os.path.join(out, "schedule-window-2x-1080.png"))
check.alive("the schedule window at 2x")

check.unwatch()
program.terminate()
program.wait(timeout=10)
d.stop_window_manager(wm)
check.finish()
