# SPDX-License-Identifier: GPL-3.0-or-later
"""The repayment schedule end to end under a window manager (openbox) on a 1366 x 768
screen, at the scale given (1 or 1.5): calculate the worked example, open 返済予定表 with
the keyboard, read its table through the accessibility tree, Tab out of it, switch to the
yearly view, save it as CSV through the file dialog; open the summary window from the
menu and press a stray Enter in it; show the loans together, then a summary slot's
schedule from its context menu; open the planning window and type into the calculator
window after clicking it. The about box and a message box open on the screen as well. Every window opens with its whole frame on the screen, and
none hides another's title bar."""
import os
import sys
import tempfile
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
scale = sys.argv[3] if len(sys.argv) > 3 else "1"
os.environ["QT_SCALE_FACTOR"] = scale
tag = "" if scale == "1" else f"-{scale}x"
check = d.Checks()
wm = d.start_window_manager()

program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
check.watch(program, main=main)
app = d.application("hensai-navi")
ours = [main]


def fits_and_in_sight(step):
    """Every window of ours: its whole frame on the screen, and enough of its title bar
    in sight to click it to the front (none hides another)."""
    for window in ours:
        name = d.xdotool("getwindowname", window)
        check.true(f"{step}: {name} on the screen {d.frame(window)[:4]} of {d.screen_size()}", d.on_screen(window))
        check.true(f"{step}: {name}'s title bar in sight ({d.title_bar_in_sight(window, ours)} columns)",
                   d.title_bar_in_sight(window, ours) >= 48)


fits_and_in_sight("calculator window")
menu_item = d.find(app, "返済予定表", "menu item")
check.true("menu item disabled before a calculation", not menu_item.get_state_set().contains(d.Atspi.StateType.ENABLED))

# The about box (F1) and a message box (Enter with nothing typed) open on the screen
# too, over the calculator window and below its title bar.
for key, title, close in (("F1", "ﾊﾞｰｼﾞｮﾝ情報", "Escape"), ("Return", "入力チェック", "Return")):
    d.activate(main)
    d.key(main, key)
    box = d.wait_for_window(title, program=program)
    time.sleep(0.5)
    check.true(f"{title} on the screen {d.frame(box)[:4]}", d.on_screen(box))
    check.true(f"{title} leaves the calculator window's title bar in sight",
               d.title_bar_in_sight(main, [main, box]) >= 48)
    if out:
        d.screenshot_root(os.path.join(out, f"box-{key.lower()}{tag}.png"))
    d.xdotool("key", close)
    check.equal(f"{title} closed", d.poll(lambda: d.mapped(box), False), False)
check.alive("the about and message boxes")

# The worked example: 3,000 万円 with 600 in bonus instalments, 2.0 % then 3.0 %, 35 years.
d.activate(main)
d.type_text(main, "3000")
d.key(main, "Tab")
d.type_text(main, "600")
d.key(main, "Tab")
d.type_text(main, "2.0")
d.key(main, "Tab")
d.type_text(main, "3.0")
d.key(main, "Tab", "Down", "Down")  # 35 years
d.key(main, "Return")
time.sleep(0.3)
check.true("menu item enabled after a calculation",
           d.poll(lambda: menu_item.get_state_set().contains(d.Atspi.StateType.ENABLED), True))

# Open it from the menu with the keyboard: its shortcut, as the menu shows it.
d.key(main, "ctrl+r")
window = d.wait_for_window("返済予定表", program=program)
check.watch(program, schedule=window)
ours.append(window)
time.sleep(0.5)
fits_and_in_sight("schedule window")
check.equal("the schedule window is not kept above the calculator", d.transient_for(window), "")
node = d.window_node(app, "返済予定表")
table = d.find(node, "返済予定表の表", "table")
iface = table.get_table_iface()


def cell(row, column):
    return iface.get_accessible_at(row, column).get_name()


def header(column):
    return iface.get_column_header(column).get_name()


check.equal("monthly rows", iface.get_n_rows(), 490)
check.equal("headings", [header(c) for c in range(8)],
            ["回", "年月", "区分", "返済額", "支払利息", "元金", "残高", "残高合計"])
# Month 60 follows nine bonus rows.
check.equal("month 60", [cell(68, c) for c in range(7)],
            ["60", cell(68, 1), "毎月", "79,503", "35,921", "43,582", "21,509,410"])
check.equal("month 121", [cell(140, c) for c in (0, 3, 4, 5, 6)],
            ["121", "88,948", "46,892", "42,056", "18,715,056"])
check.equal("last row", [cell(489, c) for c in (0, 2, 3, 6, 7)], ["70", "ﾎﾞｰﾅｽ", "133,962", "0", "0"])
check.equal("schedule total", d.text_by_description(node, "返済予定表の総返済額"), "45,313,439円")
check.equal("window total", d.text_by_description(node, "計算結果の借入総返済額"), "45,313,480円")

if out:
    time.sleep(0.3)
    d.screenshot(window, os.path.join(out, f"schedule-window{tag}.png"))

# Into the table with the arrows, out of it with Tab, back with Shift+Tab.
d.activate(window)
d.click(iface.get_accessible_at(0, 0))
d.xdotool("key", "Down", "Down")


def table_has_focus():
    return table.get_state_set().contains(d.Atspi.StateType.FOCUSED)


check.true("the table has the keyboard", d.poll(table_has_focus, True))
d.xdotool("key", "Tab")
check.equal("Tab leaves the table", d.poll(table_has_focus, False), False)
d.xdotool("key", "shift+Tab")
check.true("Shift+Tab comes back to the table", d.poll(table_has_focus, True))
check.alive("Tab in the table")

# The yearly view by its mnemonic.
d.key(window, "alt+y")
check.equal("yearly rows", d.poll(lambda: iface.get_n_rows(), 35), 35)
check.equal("year 1", cell(0, 2), "1,193,228")
if out:
    time.sleep(0.3)
    d.screenshot(window, os.path.join(out, f"schedule-window-yearly{tag}.png"))

# Save as CSV through the file dialog.
folder = tempfile.mkdtemp(dir=os.environ.get("XDG_RUNTIME_DIR"))
path = os.path.join(folder, "schedule.csv")
d.activate(window)
d.key(window, "ctrl+s")
dialog = d.wait_for_window("返済予定表をCSV形式で保存", program=program)
d.activate(dialog)
# The name goes in through the field's accessible text, as a screen reader user's
# dictation would: typed keys would open the name field's completion list, which under
# load may still be showing, and take the Enter, when the last key is in.
dialog_node = d.window_node(app, "返済予定表をCSV形式で保存")


def focused_text():
    n = d.focused(dialog_node)
    return n if n is not None and n.get_role_name() == "text" else None


deadline = time.monotonic() + 5
name_field = focused_text()
while name_field is None and time.monotonic() < deadline:
    time.sleep(0.1)
    name_field = focused_text()
check.true("the file name field has the focus", name_field is not None)
if name_field is not None:
    name_field.get_editable_text_iface().set_text_contents(path)
# Enter as the keyboard gives it, to the window that has the focus now.
d.xdotool("key", "Return")
deadline = time.monotonic() + 5
while not os.path.exists(path) and time.monotonic() < deadline:
    time.sleep(0.1)
check.true("CSV written", os.path.exists(path))
if os.path.exists(path):
    with open(path, "rb") as f:
        data = f.read()
    check.true("byte-order mark", data.startswith(b"\xef\xbb\xbf"))
    lines = data[3:].decode("utf-8").split("\r\n")
    check.equal("CSV headings", lines[0], "年目,開始年月,終了年月,返済額,支払利息,元金,残高,未払利息")
    check.equal("CSV rows", len([line for line in lines if line]), 36)
    check.true("CSV year 1", lines[1].startswith("1,") and ",1193228," in lines[1])


def saved_line():
    for n in d.walk(node):
        try:
            if n.get_role_name() == "label" and n.get_name().startswith("保存しました"):
                return n.get_name()
        except d.gi.repository.GLib.Error:
            continue
    return ""


check.true("says where it saved", d.poll(lambda: saved_line().endswith("schedule.csv"), True))

# The summary window from the menu, with the keyboard: it takes the keyboard, and a
# stray Enter leaves it open.
d.activate(main)
d.key(main, "alt+v", "Down", "Return")  # 表示 › 集計結果表示
summary = d.wait_for_window("集計結果表示", program=program)
check.watch(program, summary=summary)
ours.append(summary)
check.equal("the summary window opened from the menu is active", d.poll(d.active_window, summary), summary)
d.xdotool("key", "Return")
time.sleep(0.5)
check.alive("a stray Enter in the summary window")
fits_and_in_sight("summary window")

# Add the result: calculate again, then the add button.
d.activate(main)
d.key(main, "Return")
summary_node = d.window_node(app, "集計結果表示")
add = d.find(summary_node, "算出結果を追加します")
check.true("add enabled by the calculation",
           d.poll(lambda: add.get_state_set().contains(d.Atspi.StateType.ENABLED), True))
# Another period picked but not calculated: the figures shown, and so the loan the slot
# keeps, are still the 35-year loan's.
period = d.field(app, "返済期間")
d.activate(main)
d.click(period)
d.key(main, "Up")
check.equal("30 years picked", d.poll(lambda: d.text_of(period), "30"), "30")
d.press(summary_node, "算出結果を追加します")


def heading():
    for n in d.walk(node):
        try:
            name = n.get_name()
        except Exception:  # noqa: BLE001 - elements may go while walking
            continue
        if n.get_role_name() == "label" and "　" in name and name.split("　", 1)[0] in ("計算結果", "集計結果の合算",
                                                                                     "公庫1"):
            return name
    return ""


# The loans together, then a slot's schedule from its context menu: the window shows
# that loan, in its monthly view, and forgets the file saved from the other.
d.activate(window)
d.key(window, "alt+g")
check.true("shows the loans together", d.poll(lambda: heading().startswith("集計結果の合算　公庫1"), True))
slot = d.find(summary_node, "公庫1")
d.activate(summary)
x, y, w, h = d.extents(slot)
d.xdotool("mousemove", str(x + 8), str(y + h // 2))
d.xdotool("click", "3")
time.sleep(0.5)
if out:
    d.screenshot_root(os.path.join(out, f"schedule-slot-menu{tag}.png"))
# The context menu has one command: take it with the keyboard.
d.xdotool("key", "Down")
d.xdotool("key", "Return")
check.true("shows slot 公庫1", d.poll(lambda: heading().startswith("公庫1　公庫基本型"), True))
check.true("in the monthly view", d.poll(lambda: d.checked(d.find(node, "月別(M)", "radio button")), True))
check.equal("monthly rows of the slot's 35-year loan", d.poll(lambda: iface.get_n_rows(), 490), 490)
check.equal("no word of the file saved from the other", saved_line(), "")
fits_and_in_sight("a slot's schedule")

# The planning window: an ordinary window beside or below the calculator window's title
# bar; clicking the calculator window brings it to the front with the keyboard.
d.activate(main)
loan = d.field(app, "借入額")
d.click(loan)
d.key(main, "alt+v", "Down", "Down", "Down", "Return")  # 表示 › 借入可能額・繰上げ返済
planning = d.wait_for_window("借入可能額・繰上げ返済", program=program)
check.watch(program, planning=planning)
ours.append(planning)
time.sleep(0.5)
check.equal("the planning window is active", d.poll(d.active_window, planning), planning)
check.equal("the planning window is not kept above the calculator", d.transient_for(planning), "")
check.true("nor above every window", "_NET_WM_STATE_ABOVE" not in d.net_wm_state(planning))
fits_and_in_sight("planning window")
if out:
    time.sleep(0.3)
    d.screenshot_root(os.path.join(out, f"windows{tag}.png"))

mx, my, mw, _, top = d.frame(main)
d.click_at(mx + mw // 2, my + top // 2)  # the calculator window's title bar
check.equal("a click on its title bar makes the calculator window active", d.poll(d.active_window, main), main)
check.true("and brings it above the planning window",
           d.stacking().index(main) > d.stacking().index(planning))
d.xdotool("key", "End", "7")
check.equal("a digit typed goes to the calculator window's field",
            d.poll(lambda: d.text_of(loan).replace(",", ""), "30007"), "30007")
d.xdotool("key", "BackSpace")
check.equal("and out again", d.poll(lambda: d.text_of(loan), "3,000"), "3,000")
check.alive("typing into the calculator window")

check.unwatch()
program.terminate()
program.wait(timeout=10)
d.stop_window_manager(wm)
check.finish()
