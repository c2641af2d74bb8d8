# SPDX-License-Identifier: GPL-3.0-or-later
"""The planning window end to end: open it from the calculator window's menu with an
income typed there, enter the screening rate and the period, compute, and read the
borrowing capacity through the accessibility tree."""
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

d.key(main, "shift+Tab")  # from the loan field back to the income field
d.type_text(main, "400")
d.key(main, "alt+v", "Down", "Down", "Return")  # 表示 › 借入可能額・繰上げ返済
planning = d.wait_for_window("借入可能額・繰上げ返済", program=program)
d.focus(planning)
node = d.window_node(app, "借入可能額・繰上げ返済")
check.equal("income taken from the calculator", d.find(node, "年収 (万円)").get_text(0, -1), "400")


def replace(text):
    d.key(planning, "End", *["BackSpace"] * 10)
    d.type_text(planning, text)


d.key(planning, "Tab", "Tab")  # from the income field: limit (35 %), screening rate
replace("1.6")
d.key(planning, "Tab", "Tab")  # other debts, period
replace("35")
d.key(planning, "alt+c")
time.sleep(0.5)
if out:
    d.screenshot(planning, os.path.join(out, "planning-window.png"))
check.equal("capacity", d.poll(lambda: d.text_by_description(node, "借入可能額"), "3,750 万円"), "3,750 万円")
check.equal("monthly at the screening rate", d.text_by_description(node, "審査金利での毎月返済額"), "116,664 円")

program.terminate()
program.wait(timeout=10)
check.finish()
