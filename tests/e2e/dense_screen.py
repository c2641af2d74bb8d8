# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator window at a device pixel ratio of 2 on a 1920 x 1080 screen (960 x 540
in the window's own pixels): the window stays within the screen, its controls scroll,
and the bottom figure is reached by Tab and read."""
import os
import sys
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()
os.environ["QT_SCALE_FACTOR"] = "2"

program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
d.focus(main)
app = d.application("hensai-navi")
x, y, w, h = d.geometry(main)
check.true(f"window within the screen's 1080 lines ({y} + {h})", y >= 0 and y + h <= 1080)
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
program.terminate()
program.wait(timeout=10)
check.finish()
