# SPDX-License-Identifier: GPL-3.0-or-later
"""Qt's own dialogs speak the user's language: under ja_JP.UTF-8 the schedule
window's CSV save dialog, which Qt draws, has Japanese buttons; under C.UTF-8 they
stay English. The program's own texts are Japanese in both."""
import os
import re
import sys
import time

import desktop as d

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()
SAVE_TITLE = "返済予定表をCSV形式で保存"


def save_dialog_buttons(lang):
    """Opens the save dialog of the schedule window in a program started under `lang`
    and answers its push buttons' names."""
    env = dict(os.environ, LANG=lang)
    env.pop("LC_ALL", None)
    env.pop("LC_MESSAGES", None)
    env.pop("LANGUAGE", None)
    program = d.start(binary, env=env)
    main = d.wait_for_window("Hensai Navi", program=program)
    d.focus(main)
    app = d.application("hensai-navi")
    d.type_text(main, "3000")
    d.key(main, "Tab", "Tab")
    d.type_text(main, "2.0")
    d.key(main, "Tab")
    d.type_text(main, "3.0")
    d.key(main, "Return")
    menu_item = d.find(app, "返済予定表", "menu item")
    check.true(f"{lang}: the loan is calculated",
               d.poll(lambda: menu_item.get_state_set().contains(d.Atspi.StateType.ENABLED), True, timeout=10))
    d.press(app, "返済予定表", "menu item")
    window = d.wait_for_window("返済予定表", program=program)
    # The save dialog runs modally, so it is asked for with its key, not through an
    # accessibility action that would wait for it to close; a key lost under load is
    # typed again.
    for _ in range(3):
        d.focus(window)
        d.key(window, "ctrl+s")
        try:
            dialog = d.wait_for_window(SAVE_TITLE, timeout=5, program=program)
            break
        except AssertionError:
            continue
    else:
        dialog = d.wait_for_window(SAVE_TITLE, program=program)
    node = d.window_node(app, SAVE_TITLE)
    found = []
    deadline = time.monotonic() + 5
    while not found and time.monotonic() < deadline:
        time.sleep(0.2)
        found = [n for n in d.walk(node) if n.get_role_name() == "push button" and n.get_name()]
    buttons = sorted({n.get_name() for n in found})
    if out:
        d.screenshot(dialog, os.path.join(out, f"save-dialog-{lang.split('.')[0]}.png"))
    cancel = [n for n in found if n.get_name().startswith(("キャンセル", "Cancel"))]
    if cancel:
        cancel[0].get_action_iface().do_action(0)
    check.true(f"{lang}: the dialog closes on its cancel button and the program goes on",
               cancel and d.poll(lambda: d.mapped(dialog), False) is False and program.poll() is None)
    program.terminate()
    program.wait(timeout=10)
    return buttons


english = re.compile(r"[A-Za-z]{3,}")
japanese = save_dialog_buttons("ja_JP.UTF-8")
check.true(f"ja_JP: the save dialog has buttons ({japanese})", len(japanese) >= 2)
check.equal("ja_JP: no button reads English", [b for b in japanese if english.search(b)], [])
check.true(f"ja_JP: 保存 and キャンセル among them ({japanese})",
           any(b.startswith("保存") for b in japanese) and any(b.startswith("キャンセル") for b in japanese))

plain = save_dialog_buttons("C.UTF-8")
check.true(f"C: the buttons stay English ({plain})",
           any(b.startswith("Save") for b in plain) and any(b.startswith("Cancel") for b in plain))
check.finish()
