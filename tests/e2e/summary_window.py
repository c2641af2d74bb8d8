# SPDX-License-Identifier: GPL-3.0-or-later
"""The summary window end to end: open it from the calculator window, add two results,
check that it stands beside the calculator window and follows it when it moves."""
import os
import sys
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()

program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
d.focus(main)
app = d.application("hensai-navi")

# The worked example with an income of 600, first as 公庫（ゆとり)型.
d.key(main, "shift+Tab")  # from the loan field back to the income field
d.type_text(main, "600")
d.key(main, "Tab")
d.type_text(main, "3000")
d.key(main, "Tab")
d.type_text(main, "600")
d.key(main, "Tab")
d.type_text(main, "2.0")
d.key(main, "Tab")
d.type_text(main, "3.0")
d.key(main, "Tab", "Down", "Down")  # 35 years
d.press(app, "公庫（ゆとり)型")

d.press(app, "詳細を表示")
summary = d.wait_for_window("集計結果表示", program=program)
d.focus(main)
d.key(main, "Return")  # calculate: enables the add button
time.sleep(0.3)
d.press(app, "算出結果を追加します")

d.press(app, "元金均等型")
d.focus(main)
d.key(main, "Return")
time.sleep(0.3)
d.press(app, "算出結果を追加します")

summary_node = d.window_node(app, "集計結果表示")


def text(description):
    return d.text_by_description(summary_node, description)

check.equal("公庫1 monthly", d.poll(lambda: text("公庫1 通 常"), "63,309"), "63,309")
check.equal("元金1 monthly", d.poll(lambda: text("元金1 通 常"), "97,142"), "97,142")
check.equal("sum of monthly", text("集計結果 通 常"), "160,451")
check.equal("annual", text("年間返済額"), "2,407,228")
check.equal("required income", text("必要年収"), "1,204")
check.equal("grand total", text("合計総借入返済額"), "89,211,967")
check.equal("total borrowed", text("合計借入額"), "6,000")
check.equal("ratio", text("年収に対する返済負担率 (20%以下が理想)"), "40.12%")

# Placement: to the right of the calculator window, as tall, 16 pixels narrower.
mx, my, mw, mh = d.geometry(main)
sx, sy, sw, sh = d.geometry(summary)
check.equal("summary x", sx, mx + mw)
check.equal("summary y", sy, my)
check.equal("summary width", sw, mw - 16)
check.equal("summary height", sh, mh)

if out:
    time.sleep(0.3)
    d.screenshot_root(os.path.join(out, "summary-window.png"), f"{mw + sw}x{mh}+{mx}+{my}")

# Moving the calculator window takes the summary window along.
d.xdotool("windowmove", "--sync", main, "20", "40")
time.sleep(0.5)
mx, my, mw, mh = d.geometry(main)
check.equal("moved main x", (mx, my), (20, 40))
check.equal("summary follows", d.poll(lambda: d.geometry(summary)[:2], (mx + mw, my)), (mx + mw, my))

program.terminate()
program.wait(timeout=10)
check.finish()
