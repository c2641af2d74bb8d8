# SPDX-License-Identifier: GPL-3.0-or-later
"""The planning window end to end, under openbox and with the keyboard: a loan typed and
calculated in the calculator window and filed twice in the summary window; the planning
window opened from the menu. Each section is computed with Enter on its tab: the
borrowing capacity; the lenders' reading, which follows the summary window when a slot
is cleared there; two prepayments compared, and the schedule after them opened with a
way's button; rate scenarios, one's schedule opened in the same schedule window. Then
計算画面の値を取り込む brings in a new loan (the prepayment figures and 予定 become the new
loan's), the scenario section's own rate fields are changed (the scenarios start from
them), and the window is closed with Esc and opened again: everything typed is back.
Optional third argument: the scale factor (QT_SCALE_FACTOR) to run at."""
import os
import subprocess
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
cli = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(binary))), "cli", "hensai-calc")


def activate(window):
    """Makes the window the active one, as a click on it would under the window manager:
    its mnemonics (Alt+letter) answer only then."""
    d.xdotool("windowactivate", "--sync", window, check=False)
    d.focus(window)


def shot(window, name):
    if out:
        time.sleep(0.3)
        d.screenshot(window, os.path.join(out, f"{name}{suffix}.png"))


def shown(root, name, role=None):
    """The element of that name that is on the page shown (pages of other tabs hold
    elements of the same names)."""
    for node in d.walk(root):
        try:
            if node.get_name() == name and (role is None or node.get_role_name() == role) and d.showing(node):
                return node
        except Exception:  # noqa: BLE001 - elements may go while walking
            continue
    raise AssertionError(f"no element named {name!r} on the page shown")


def values(root, description):
    """Every shown figure described by this caption, in window order."""
    found = []
    for node in d.walk(root):
        try:
            if node.get_description() == description and d.showing(node):
                found.append(node.get_name())
        except Exception:  # noqa: BLE001
            continue
    return found


def replace(window, text):
    d.key(window, "End", *["BackSpace"] * 10)
    d.type_text(window, text)


def into(window, node):
    """Puts the keyboard focus into a field (the planning window may cover the
    calculator window, and a section may have scrolled the field out of view)."""
    activate(window)
    d.Atspi.Component.grab_focus(node)
    time.sleep(0.2)


def main_field(name, text):
    into(main, d.field(app, name))
    replace(main, text)


def open_planning():
    """表示 › 借入可能額・繰上げ返済, the item before the menu's last, with the keyboard."""
    activate(main)
    d.key(main, "alt+v")
    time.sleep(0.3)
    d.key(main, "Up", "Up", "Return")


# The calculator's loan: 公庫基本型, 2,000 万円 at 3 % (the same rate throughout), 35 years,
# income 400 万円; calculated, and filed as 公庫1. Then 1,000 万円, filed as 公庫2.
d.key(main, "shift+Tab")  # from the loan field back to the income field
d.type_text(main, "400")
d.key(main, "Tab")
d.type_text(main, "2000")
d.key(main, "Tab", "Tab")
d.type_text(main, "3.0")
d.key(main, "Tab")
d.type_text(main, "3.0")
d.key(main, "Tab", "Down", "Down")  # 35 years
d.press(app, "詳細を表示")  # the summary window; a calculation after it can be filed
d.wait_for_window("集計結果表示", program=program)
activate(main)
d.key(main, "Return")
check.equal("calculated", d.poll(lambda: d.text_by_description(app, "通常 1～5年目"), "76,970"), "76,970")
time.sleep(0.3)
d.press(app, "算出結果を追加します")
main_field("借入額", "1000")
d.key(main, "Return")
check.equal("second loan", d.poll(lambda: d.text_by_description(app, "通常 1～5年目"), "38,485"), "38,485")
time.sleep(0.3)
d.press(app, "算出結果を追加します")
main_field("借入額", "2000")
check.alive("two slots filed")

open_planning()
planning = d.wait_for_window("借入可能額・繰上げ返済", program=program)
activate(planning)
node = d.window_node(app, "借入可能額・繰上げ返済")
check.equal("income taken from the calculator", d.text_of(shown(node, "年収 (万円)")), "400")

# Borrowing capacity, computed with Enter.
d.key(planning, "Tab", "Tab")  # from the income field: limit (35 %), screening rate
replace(planning, "1.6")
d.key(planning, "Tab", "Tab")  # other debts, period
replace(planning, "35")
d.key(planning, "Return")
check.equal("capacity", d.poll(lambda: d.text_by_description(node, "借入可能額"), "3,750万円"), "3,750万円")
check.equal("monthly at the screening rate", d.text_by_description(node, "審査金利での毎月返済額"), "116,664円")
check.equal("ratio without a bare point", d.text_by_description(node, "審査上の返済負担率"), "35%")
shot(planning, "planning-window")

# The lenders' reading: both slots, named as the summary names them; Enter reads them.
d.key(planning, "alt+2")
time.sleep(0.3)
first = "公庫1　公庫基本型 2,000万円"
check.true("公庫1 listed", shown(node, first, "check box"))
check.true("公庫2 listed", shown(node, "公庫2　公庫基本型 1,000万円", "check box"))
d.key(planning, "Return")
both = d.poll(lambda: values(node, "返済負担率")[:1], ["34.64%"])
check.equal("two loans at the real rates", both, ["34.64%"])
shot(planning, "planning-reading")
# 公庫2 cleared in the summary window: the section follows at once.
d.press(app, "公庫2のクリア")
activate(planning)
check.equal("one loan at the real rates", d.poll(lambda: values(node, "返済負担率")[:1], ["23.09%"]), ["23.09%"])
check.true("公庫2 gone", not any(n.get_name().startswith("公庫2") for n in d.walk(node) if d.showing(n)))
d.key(planning, "alt+c")
check.equal("and computed again", d.poll(lambda: values(node, "返済負担率")[:1], ["23.09%"]), ["23.09%"])
# The lenders' choice: 公庫1 read at its own rate.
into(planning, shown(node, first, "check box"))
d.key(planning, "space")
check.true("公庫1 not screened", not d.checked(shown(node, first, "check box")))


# Early repayment: two rows typed into the list, compared with Enter.
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


activate(planning)
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
d.key(planning, "Return")
check.true("schedule button enabled by the comparison",
           d.poll(lambda: shorten.get_state_set().contains(d.Atspi.StateType.ENABLED), True))
d.poll(lambda: len(values(node, "完済")), 4)
# The planned end comes first, then the ways in order: 期間短縮型 is the third 完済.
ends = values(node, "完済")
check.equal("four ends shown", len(ends), 4)
shortened_end = int(ends[2].split("回")[0].lstrip("第")) if len(ends) == 4 else 0
check.equal("返済額軽減型 keeps its end and says no 短縮", len(values(node, "短縮")), 2)
planned_total = values(node, "総返済額")
shot(planning, "planning-prepay-list")

d.key(planning, "alt+t")  # 期間短縮型's 返済予定表
# Titled apart from the calculator window's schedule window.
window = d.wait_for_window("返済予定表 - 繰上げ返済", program=program)
schedule = d.window_node(app, "返済予定表 - 繰上げ返済")
iface = schedule_rows(schedule)
check.equal("prepaid schedule ends where the comparison says", d.poll(lambda: iface.get_n_rows(), shortened_end),
            shortened_end)
check.true("prepaid heading", d.poll(lambda: heading_of(schedule, "繰上げ返済　").endswith(
    "繰上げ返済 100万円（120回目の後）、50万円（240回目の後）・期間短縮型"), True))
check.equal("row 120 prepaid", iface.get_accessible_at(119, 4).get_name(), "1,000,000")
check.equal("row 240 prepaid", iface.get_accessible_at(239, 4).get_name(), "500,000")
check.equal("prepaid total", d.text_by_description(schedule, "繰上げ返済額の合計"), "1,500,000円")
shot(window, "schedule-window-prepaid")

# Rate scenarios: the third (+2 points from month 13) leaves interest unpaid. Enter compares.
activate(planning)
d.key(planning, "alt+4")
time.sleep(0.3)
d.press(node, "シナリオ3", "check box")
activate(planning)
d.key(planning, "Return")
third = d.find(node, "シナリオ3の返済予定表", "push button")
check.true("scenario button enabled by the comparison",
           d.poll(lambda: third.get_state_set().contains(d.Atspi.StateType.ENABLED), True))
shot(planning, "planning-scenarios")
activate(planning)
d.key(planning, "alt+z")
# A schedule of 420 rows and its chart take a while on a busy machine.
check.true("the same window shows the scenario",
           d.poll(lambda: heading_of(schedule, "金利シナリオ3　").startswith("金利シナリオ3　公庫基本型"), True,
                  timeout=15))
iface = schedule_rows(schedule)
check.equal("scenario rows", d.poll(lambda: iface.get_n_rows(), 420), 420)
check.equal("month 12 rate", iface.get_accessible_at(11, 3).get_name(), "3%")
check.equal("month 13 rate", iface.get_accessible_at(12, 3).get_name(), "5%")
check.equal("one schedule window", len(d.xdotool("search", "--onlyvisible", "--name", "^返済予定表").split()), 1)
shot(window, "schedule-window-scenario")

# 計算画面の値を取り込む with another loan in the calculator window (2,500 万円): the
# prepayment figures and 予定 are the new loan's, and so is the schedule they open.
main_field("借入額", "2500")
activate(planning)
d.key(planning, "alt+3")
time.sleep(0.3)
d.key(planning, "alt+r")
check.equal("the new loan taken", d.poll(lambda: d.text_of(shown(node, "借入額 (万円)")), "2,500"), "2,500")
new_total = d.poll(lambda: values(node, "総返済額") != planned_total, True)
check.true("予定 and the ways show the new loan", new_total)
check.true("figures shown again", d.poll(lambda: len(values(node, "完済")), 4) == 4)
activate(planning)
d.key(planning, "alt+t")
check.true("its schedule is the new loan's",
           d.poll(lambda: "借入額 2,500万円" in heading_of(schedule, "繰上げ返済　"), True, timeout=15))

# With 500 万円 of it repaid by bonus instalments, which the list does not touch, the
# shortened monthly part ends years before the loan: each way's column sums up the
# whole loan, as the command line does.
into(planning, shown(node, "内ﾎﾞｰﾅｽ (万円)", "text"))
replace(planning, "500")
d.key(planning, "Return")
d.poll(lambda: len(values(node, "次回からのﾎﾞｰﾅｽ返済額")), 3)
ends = values(node, "完済")
check.true("the loan ends with its bonus part", len(ends) == 4 and ends[2].startswith("ﾎﾞｰﾅｽ第70回"))
check.equal("the monthly part's own end beside it", len(values(node, "毎月分の完済")), 2)
if os.path.exists(cli):
    loan = ["--method", "1", "--loan", "2500", "--bonus", "500", "--rate1", "3", "--rate2", "3", "--years", "35"]
    for way, column in (("shorten", 2), ("reduce", 1)):
        lines = subprocess.run([cli, *loan, "--prepay", f"120:100:{way}", "--prepay", f"240:50:{way}"],
                               capture_output=True, text=True, timeout=20).stdout.splitlines()
        said = {line.split(": ", 1)[0]: line.split(": ", 1)[1] for line in lines if ": " in line}
        check.equal(f"{way}: the end the command line says", ends[column] + "、予定 " + ends[0], said.get("完済"))
        bonus = values(node, "次回からのﾎﾞｰﾅｽ返済額")[column - 1]
        check.equal(f"{way}: the bonus instalment the command line says", bonus, said.get("次回からのﾎﾞｰﾅｽ返済額"))
shot(planning, "planning-prepay-bonus")

# The scenario section's own rate field: scenario 1 starts from it (9 % to month 120, the
# second rate after), and is computed at it.
activate(planning)
d.key(planning, "alt+4")
time.sleep(0.3)
into(planning, shown(node, "金利 (%)", "text"))
replace(planning, "9")
into(planning, shown(node, "11年目以降の金利 (%)", "text"))
replace(planning, "4")
d.key(planning, "Return")
table = shown(node, "シナリオ1の金利の表", "table").get_table_iface()
cells = [table.get_accessible_at(r, c).get_name() for r in range(2) for c in range(2)]
check.equal("scenario 1 follows the loan's rates", cells, ["1", "9", "121", "4"])
total = d.poll(lambda: (values(node, "総返済額") or [""])[0] != "", True)
if os.path.exists(cli):
    calc = subprocess.run([cli, "--method", "1", "--loan", "2500", "--years", "35", "--rate-path", "1:9,121:4"],
                          capture_output=True, text=True, timeout=20).stdout
    expected = next((line.split(": ", 1)[1] for line in calc.splitlines() if line.startswith("総返済額: ")), "?")
    check.equal("scenario 1 computed at the loan's rates", values(node, "総返済額")[0], expected)
shot(planning, "planning-scenarios-rates")

# The capacity took the new loan's values too: the screening rate typed again.
d.key(planning, "alt+1")
time.sleep(0.3)
into(planning, shown(node, "審査金利 (%)", "text"))
replace(planning, "1.6")
d.key(planning, "Return")
capacity = d.poll(lambda: d.text_by_description(node, "借入可能額"), "3,750万円")
check.equal("the capacity at the screening rate typed", capacity, "3,750万円")
d.key(planning, "alt+4")
time.sleep(0.3)

# Esc closes the window; opened again, everything typed is there, with its figures.
activate(planning)
# The window goes between the key's press and its release: the release finds no window.
d.xdotool("key", "--window", planning, "Escape", check=False)
check.true("closed", d.poll(lambda: not d.mapped(planning), True))
check.alive("planning window closed")
open_planning()
planning = d.wait_for_window("借入可能額・繰上げ返済", program=program)
activate(planning)
node = d.window_node(app, "借入可能額・繰上げ返済")
check.equal("reopened on the section it closed on", d.text_of(shown(node, "金利 (%)", "text")), "9")
check.true("scenario 3 still chosen", d.checked(shown(node, "シナリオ3", "check box")))
check.true("its figures again", d.poll(lambda: len(values(node, "総返済額")) >= 2, True))
d.key(planning, "alt+3")
time.sleep(0.3)
rows = shown(node, "繰上げ返済の一覧", "table").get_table_iface()
check.equal("the list kept", [rows.get_accessible_at(r, c).get_name() for r in range(2) for c in range(2)],
            ["120", "100", "240", "50"])
d.key(planning, "alt+2")
time.sleep(0.3)
check.true("the lenders' choice kept", not d.checked(shown(node, first, "check box")))
d.key(planning, "alt+1")
time.sleep(0.3)
check.equal("the screening rate kept", d.text_of(shown(node, "審査金利 (%)", "text")), "1.6")
check.equal("the capacity shown again", d.poll(lambda: d.text_by_description(node, "借入可能額"), "3,750万円"),
            "3,750万円")
check.alive("reopened")

check.unwatch()
program.terminate()
program.wait(timeout=10)
d.stop_window_manager(wm)
check.finish()
