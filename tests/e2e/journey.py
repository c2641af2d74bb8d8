# SPDX-License-Identifier: GPL-3.0-or-later
"""A user's journey through both windows under a real window manager (openbox), with
the mouse and the keyboard: always on top ticked and unticked, periods typed into the
unfixed period box, the summary window opened and a digit typed at once, a result added
and recalled and calculated again, the pointer over disabled buttons, and 終了. The
program must stay up and its windows mapped throughout, until 終了 ends it."""
import os
import sys
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()
wm = d.start_window_manager()

program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
check.watch(program, main=main)
app = d.application("hensai-navi")
check.equal("the new window is the active one", d.poll(d.active_window, main), main)

# The worked example with an income of 600: the focus starts in the loan field.
d.type_text(main, "3000")
d.key(main, "Tab")
d.type_text(main, "600")
d.key(main, "Tab")
d.type_text(main, "2.0")
d.key(main, "Tab")
d.type_text(main, "3.0")
d.key(main, "Tab", "Down", "Down")  # period 25 -> 30 -> 35
d.click(d.field(app, "年収"))
d.key(main, "End")
d.type_text(main, "600")
d.key(main, "Return")
check.equal("worked example", d.poll(lambda: d.text_by_description(app, "通常 1～5年目"), "79,503"), "79,503")
check.alive("calculating")


def inputs():
    return [d.text_of(d.field(app, name)) for name in ("借入額", "内ﾎﾞｰﾅｽ", "年収")]


typed = inputs()
check.equal("typed inputs", typed, ["3,000", "600", "600"])

# ﾌｧｲﾙ › 常に手前に表示, ticked and unticked: the window stays where it is, as large, mapped
# and active, and the window manager's "above" state follows the tick.
place = d.geometry(main)
for on in (True, False):
    step = f"常に手前に表示 {'ticked' if on else 'unticked'}"
    d.choose(app, "ﾌｧｲﾙ(F)", "常に手前に表示")
    check.alive(step)
    item = d.find(app, "常に手前に表示")
    check.equal(f"{step}: tick", d.checked(item), on)
    above = d.poll(lambda: "_NET_WM_STATE_ABOVE" in d.net_wm_state(main), on)
    check.equal(f"{step}: _NET_WM_STATE_ABOVE", above, on)
    check.equal(f"{step}: place and size", d.geometry(main), place)
    check.equal(f"{step}: active window", d.active_window(), main)
    check.equal(f"{step}: inputs", inputs(), typed)

# 表示 › 返済期間を固定 unticked: typed periods stay as typed, and the first Enter
# calculates with them, the second rate playing no part.
d.choose(app, "表示(V)", "返済期間を固定")
check.alive("返済期間を固定 unticked")
period = d.field(app, "返済期間")
for typed_period, monthly in (("1", "2,021,732"), ("2", "1,020,966"), ("3", "687,421")):
    d.click(period)
    d.key(main, "End", "BackSpace", "BackSpace")
    d.type_text(main, typed_period)
    time.sleep(0.2)
    check.equal(f"period {typed_period} as typed", d.text_of(period), typed_period)
    check.true(f"period {typed_period}: no second rate", not d.showing(d.find(app, "金利 11年目以降", "text")))
    d.key(main, "Return")
    check.equal(f"period {typed_period}: the first Enter calculates",
                d.poll(lambda: d.text_by_description(app, "通常 1～5年目"), monthly), monthly)
    check.alive(f"period {typed_period}")
d.click(period)
d.key(main, "End", "BackSpace", "BackSpace")
d.type_text(main, "35")
d.choose(app, "表示(V)", "返済期間を固定")

# The summary window opens from its button; the keyboard stays with the calculator
# window, so a digit typed at once lands in the income field.
d.click(d.find(app, "詳細を表示"))
summary = d.wait_for_window("集計結果表示", program=program)
check.watch(program, summary=summary)
time.sleep(0.5)
check.equal("the calculator window stays active", d.active_window(), main)
d.type_text(main, "5")
check.equal("a digit typed at once goes to the income field",
            d.poll(lambda: d.text_of(d.field(app, "年収")), "6,005"), "6,005")
d.key(main, "BackSpace")
check.alive("opening the summary window")

# The pointer over disabled buttons: the add button before any calculation since the
# window opened, and the calculator window's summary button while the summary is open.
summary_node = d.window_node(app, "集計結果表示")
for name, where in (("算出結果を追加します", summary_node), ("詳細を表示", app)):
    button = d.find(where, name)
    x, y, w, h = d.extents(button)
    d.point_at(x + w + 40, y + h + 40)
    time.sleep(0.3)
    at_rest = d.grab(x, y, w, h)
    d.point_at(x + w // 2, y + h // 2)
    d.point_at(x + w // 2 + 1, y + h // 2)
    time.sleep(0.3)
    check.true(f"{name} (disabled) does not light up under the pointer", d.grab(x, y, w, h) == at_rest)
    d.point_at(x + w + 40, y + h + 40)
check.alive("hovering disabled buttons")

# Add the 3,000 result, calculate a 2,000 loan, recall the slot, then Enter in the
# calculator window: the recalled loan is computed, not the one typed before.
d.click(d.field(app, "借入額"))
d.key(main, "Return")
check.equal("calculated for the slot", d.poll(lambda: d.text_by_description(app, "通常 1～5年目"), "79,503"), "79,503")
d.click(d.find(summary_node, "算出結果を追加します"))
check.equal("slot 公庫1", d.poll(lambda: d.text_by_description(summary_node, "公庫1 通 常"), "79,503"), "79,503")
d.click(d.field(app, "借入額"))
d.key(main, "End", "BackSpace", "BackSpace", "BackSpace", "BackSpace")
d.type_text(main, "2000")
d.key(main, "Return")
check.equal("a 2,000 loan", d.poll(lambda: d.text_by_description(app, "通常 1～5年目"), "46,376"), "46,376")
d.click(d.find(summary_node, "公庫1", "radio button"), dx=6)
check.equal("recalled loan", d.poll(lambda: d.text_of(d.field(app, "借入額")), "3,000"), "3,000")
d.click(d.field(app, "借入額"))
d.key(main, "Return")
check.equal("Enter after the recall computes the recalled loan",
            d.poll(lambda: d.text_by_description(app, "借入総返済額"), "45,313,480"), "45,313,480")
check.equal("its first instalment", d.text_by_description(app, "通常 1～5年目"), "79,503")
check.alive("recall then Enter")

if out:
    d.screenshot_root(os.path.join(out, "journey.png"))

# ﾌｧｲﾙ › 終了 ends the program, and only it.
check.unwatch()
d.choose(app, "ﾌｧｲﾙ(F)", "終了")
try:
    status = program.wait(timeout=10)
except Exception:
    program.kill()
    status = None
check.equal("終了 ends the program", status, 0)
d.stop_window_manager(wm)
check.finish()
