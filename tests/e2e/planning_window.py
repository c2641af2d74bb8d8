# SPDX-License-Identifier: GPL-3.0-or-later
"""The planning window end to end: open it from the calculator window's menu with an
income and a loan typed there, enter the screening rate and the period, compute, and
read the borrowing capacity through the accessibility tree; then list two prepayments,
compare, and open the schedule after them with a way's button; compute rate scenarios
and open one's schedule in the same schedule window, reading rows of both."""
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
# The loan the early-repayment and scenario sections start from: 2,000 万円 at 3 %
# (公庫基本型, the same rate throughout), 35 years.
d.key(main, "Tab")
d.type_text(main, "2000")
d.key(main, "Tab", "Tab")
d.type_text(main, "3.0")
d.key(main, "Tab")
d.type_text(main, "3.0")
d.key(main, "Tab", "Down", "Down")  # 35 years
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


# Early repayment: two rows typed into the list, compared each way.
def schedule_rows(node):
    table = d.find(node, "返済予定表の表", "table")
    return table.get_table_iface()


def heading_of(node, start):
    for n in d.walk(node):
        try:
            name = n.get_name()
        except Exception:  # noqa: BLE001 - elements may go while walking
            continue
        if name.startswith(start):
            return name
    return ""


d.focus(planning)
d.key(planning, "alt+3")
time.sleep(0.3)
d.key(planning, "alt+l")  # the list
d.type_text(planning, "120")
d.key(planning, "Return", "Right")
d.type_text(planning, "100")
d.key(planning, "Return", "Down", "Left")
d.type_text(planning, "240")
d.key(planning, "Return", "Right")
d.type_text(planning, "50")
d.key(planning, "Return")
shorten = d.find(node, "期間短縮型の返済予定表", "push button")
check.true("schedule button disabled before comparing",
           not shorten.get_state_set().contains(d.Atspi.StateType.ENABLED))
d.key(planning, "alt+c")
check.true("schedule button enabled by the comparison",
           d.poll(lambda: shorten.get_state_set().contains(d.Atspi.StateType.ENABLED), True))
end = d.poll(lambda: d.text_by_description(node, "完済").startswith("第"), True)
# The planned end comes first, then the ways in order: 期間短縮型 is the third 完済.
ends = [n.get_name() for n in d.walk(node) if n.get_description() == "完済"]
check.equal("four ends shown", len(ends), 4)
shortened_end = int(ends[2].split("回")[0].lstrip("第")) if len(ends) == 4 else 0
if out:
    time.sleep(0.3)
    d.screenshot(planning, os.path.join(out, "planning-prepay-list.png"))

d.key(planning, "alt+t")  # 期間短縮型's 返済予定表
# Titled apart from the calculator window's schedule window.
window = d.wait_for_window("返済予定表 - 繰上げ返済", program=program)
schedule = d.window_node(app, "返済予定表 - 繰上げ返済")
iface = schedule_rows(schedule)
check.equal("prepaid schedule ends where the comparison says", d.poll(lambda: iface.get_n_rows(), shortened_end),
            shortened_end)
check.true("prepaid heading", d.poll(lambda: heading_of(schedule, "繰上げ返済　").endswith(
    "繰上げ返済 100万円（120回目の後）、50万円（240回目の後）・期間短縮型"), True))
headers = [iface.get_column_header(c).get_name() for c in range(iface.get_n_columns())]
check.equal("prepaid column", headers[:6], ["回", "年月", "区分", "返済額", "繰上返済", "利息"])
check.equal("row 120 prepaid", iface.get_accessible_at(119, 4).get_name(), "1,000,000")
check.equal("row 240 prepaid", iface.get_accessible_at(239, 4).get_name(), "500,000")
check.equal("row 121 none", iface.get_accessible_at(120, 4).get_name(), "")
check.equal("prepaid total", d.text_by_description(schedule, "繰上げ返済額の合計"), "1,500,000円")
# Down the table with the keyboard to the first prepayment.
d.focus(window)
d.click(iface.get_accessible_at(0, 0))
d.xdotool("key", "--window", window, *["Down"] * 124)
if out:
    time.sleep(0.3)
    d.screenshot(window, os.path.join(out, "schedule-window-prepaid.png"))

# Rate scenarios: the third (+2 points from month 13) leaves interest unpaid.
d.focus(planning)
d.key(planning, "alt+4")
time.sleep(0.3)
d.press(node, "シナリオ3", "check box")
d.key(planning, "alt+c")
third = d.find(node, "シナリオ3の返済予定表", "push button")
check.true("scenario button enabled by the comparison",
           d.poll(lambda: third.get_state_set().contains(d.Atspi.StateType.ENABLED), True))
if out:
    d.focus(planning)
    time.sleep(0.3)
    d.screenshot(planning, os.path.join(out, "planning-scenarios.png"))
d.key(planning, "alt+z")
check.true("the same window shows the scenario",
           d.poll(lambda: heading_of(schedule, "金利シナリオ3　").startswith("金利シナリオ3　公庫基本型"), True))
check.equal("titled by the scenario", d.poll(lambda: schedule.get_name(), "返済予定表 - 金利シナリオ3"),
            "返済予定表 - 金利シナリオ3")
iface = schedule_rows(schedule)
check.equal("scenario rows", d.poll(lambda: iface.get_n_rows(), 420), 420)
headers = [iface.get_column_header(c).get_name() for c in range(iface.get_n_columns())]
check.equal("scenario columns", headers, ["回", "年月", "区分", "適用金利", "返済額", "利息", "元金", "残高", "未払利息",
                                          "残高合計"])
check.equal("month 12 rate", iface.get_accessible_at(11, 3).get_name(), "3%")
check.equal("month 13 rate", iface.get_accessible_at(12, 3).get_name(), "5%")
check.equal("month 13 repays no principal", iface.get_accessible_at(12, 6).get_name(), "0")
check.true("month 13 leaves interest unpaid", iface.get_accessible_at(12, 8).get_name() not in ("", "0"))
check.equal("nothing unpaid at the end", iface.get_accessible_at(419, 8).get_name(), "0")
check.equal("one schedule window", len(d.xdotool("search", "--onlyvisible", "--name", "^返済予定表").split()), 1)
if out:
    time.sleep(0.3)
    d.screenshot(window, os.path.join(out, "schedule-window-scenario.png"))

program.terminate()
program.wait(timeout=10)
check.finish()
