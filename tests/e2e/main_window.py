# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator window end to end: type the worked example as a user, calculate,
read the results as a screen reader does; one copy at a time, also after kill -9."""
import os
import signal
import sys
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()

first = d.start(binary)
win = d.wait_for_window("Hensai Navi", program=first)
d.focus(win)
app = d.application("hensai-navi")

# The focus starts in the loan field; Tab walks bonus part, rates and period.
d.type_text(win, "3000")
d.key(win, "Tab")
d.type_text(win, "600")
d.key(win, "Tab")
d.type_text(win, "2.0")
d.key(win, "Tab")
d.type_text(win, "3.0")
d.key(win, "Tab", "Down", "Down")  # period 25 -> 30 -> 35
d.key(win, "Return")

# Each figure is described by the captions a sighted user reads it by.
expected = {
    "通常 1～5年目": "79,503", "通常 6～10年目": "79,503", "通常 11年目以降": "88,948",
    "ﾎﾞｰﾅｽ 1～5年目": "119,596", "ﾎﾞｰﾅｽ 6～10年目": "119,596", "ﾎﾞｰﾅｽ 11年目以降": "133,936",
    "年間返済額 1～5年目": "1,193,228", "必要年収": "596", "借入総返済額": "45,313,480",
}
for description, text in expected.items():
    check.equal(description, d.poll(lambda: d.text_by_description(app, description), text), text)

if out:
    time.sleep(0.3)
    d.screenshot(win, os.path.join(out, "main-window.png"))

# A second copy ends at once, silently, with status 0, and shows no window.
started = time.monotonic()
second = d.start(binary)
try:
    status = second.wait(timeout=10)
except Exception:
    second.kill()
    status = None
check.equal("second copy exit status", status, 0)
check.true("second copy ended quickly", time.monotonic() - started < 5)
check.equal("second copy printed nothing", d.output(second), "")
windows = d.xdotool("search", "--onlyvisible", "--name", "^Hensai Navi$", check=False).splitlines()
check.equal("still one window", len(windows), 1)

# After kill -9 of the first copy, a new start shows the window again.
first.send_signal(signal.SIGKILL)
first.wait(timeout=10)
third = d.start(binary)
try:
    d.wait_for_window("Hensai Navi", timeout=15, program=third)
    check.true("a new start after kill -9 shows the window", True)
except AssertionError as e:
    check.true(str(e), False)
third.terminate()
third.wait(timeout=10)

check.finish()
