"""The repayment schedule end to end: calculate the worked example, open 返済予定表 with
the keyboard, read its table through the accessibility tree, switch to the yearly view,
save it as CSV through the file dialog, and show a summary slot's schedule."""
import os
import sys
import tempfile
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()

program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
d.focus(main)
app = d.application("hensai-navi")

menu_item = d.find(app, "返済予定表", "menu item")
check.true("menu item disabled before a calculation", not menu_item.get_state_set().contains(d.Atspi.StateType.ENABLED))

# The worked example: 3,000 万円 with 600 in bonus instalments, 2.0 % then 3.0 %, 35 years.
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
d.focus(main)
d.key(main, "ctrl+r")
window = d.wait_for_window("返済予定表", program=program)
d.focus(window)
node = d.window_node(app, "返済予定表")
table = d.find(node, "返済予定表の表", "table")
iface = table.get_table_iface()


def cell(row, column):
    return iface.get_accessible_at(row, column).get_name()


def header(column):
    return iface.get_column_header(column).get_name()


check.equal("monthly rows", iface.get_n_rows(), 490)
check.equal("headings", [header(c) for c in range(8)],
            ["回", "年月", "区分", "返済額", "利息", "元金", "残高", "残高合計"])
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
    d.screenshot(window, os.path.join(out, "schedule-window.png"))

# The yearly view by its mnemonic.
d.key(window, "alt+y")
check.equal("yearly rows", d.poll(lambda: iface.get_n_rows(), 35), 35)
check.equal("year 1", cell(0, 2), "1,193,228")
if out:
    time.sleep(0.3)
    d.screenshot(window, os.path.join(out, "schedule-window-yearly.png"))

# Save as CSV through the file dialog.
folder = tempfile.mkdtemp(dir=os.environ.get("XDG_RUNTIME_DIR"))
path = os.path.join(folder, "schedule.csv")
d.focus(window)
d.key(window, "ctrl+s")
dialog = d.wait_for_window("返済予定表をCSV形式で保存", program=program)
d.focus(dialog)
# The name goes in through the field's accessible text, as a screen reader user's
# dictation would: typed keys would open the name field's completion list, which under
# load may still be showing, and take the Enter, when the last key is in.
dialog_node = d.window_node(app, "返済予定表をCSV形式で保存")


def focused_text():
    for n in d.walk(dialog_node):
        try:
            if n.get_role_name() == "text" and n.get_state_set().contains(d.Atspi.StateType.FOCUSED):
                return n
        except d.gi.repository.GLib.Error:  # elements may go while walking
            continue
    return None


deadline = time.monotonic() + 5
name_field = focused_text()
while name_field is None and time.monotonic() < deadline:
    time.sleep(0.1)
    name_field = focused_text()
check.true("the file name field has the focus", name_field is not None and name_field.get_role_name() == "text")
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
    check.equal("CSV headings", lines[0], "年目,開始年月,終了年月,返済額,利息,元金,残高,未払利息")
    check.equal("CSV rows", len([line for line in lines if line]), 36)
    check.true("CSV year 1", lines[1].startswith("1,") and ",1193228," in lines[1])

# A slot's schedule: open the summary window, add the result, ask for the slot's
# schedule from its context menu.
d.focus(main)
d.press(app, "詳細を表示")
summary = d.wait_for_window("集計結果表示", program=program)
time.sleep(0.3)  # the program hands the keyboard back to the calculator window itself
d.focus(main)
d.key(main, "Return")
summary_node = d.window_node(app, "集計結果表示")
add = d.find(summary_node, "算出結果を追加します")
check.true("add enabled by the calculation",
           d.poll(lambda: add.get_state_set().contains(d.Atspi.StateType.ENABLED), True))
d.press(summary_node, "算出結果を追加します")
slot = d.find(summary_node, "公庫1")
x, y = slot.get_position(d.Atspi.CoordType.SCREEN).x, slot.get_position(d.Atspi.CoordType.SCREEN).y
d.focus(summary)
d.xdotool("mousemove", str(x + 8), str(y + 6))
d.xdotool("click", "3")
time.sleep(0.5)
if out:
    d.screenshot_root(os.path.join(out, "schedule-slot-menu.png"))
# The context menu has one command: take it with the keyboard.
d.xdotool("key", "Down")
d.xdotool("key", "Return")


def heading():
    for n in d.walk(node):
        try:
            name = n.get_name()
        except Exception:  # noqa: BLE001 - elements may go while walking
            continue
        if name.startswith("公庫1　"):
            return name
    return ""


check.true("shows slot 公庫1", d.poll(lambda: heading().startswith("公庫1　公庫基本型"), True))

program.terminate()
program.wait(timeout=10)
check.finish()
