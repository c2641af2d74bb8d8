# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window, planning section and menu command of the program is named in
hensai-navi's manual page and in the AppStream description, and the words a
Japanese buyer searches for find the program. The names come from the code's own
tables: the dialog templates and menu rows in res/, the window titles the windows
set, the planning window's sections.
usage: windows-menus.py <source dir> <hensai-navi.1> <metainfo.xml> <desktop entry>"""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET

from manpage import rendered

source, page, metainfo, desktop = sys.argv[1:5]
problems = []


def read(*parts):
    with open(os.path.join(source, *parts), encoding="utf-8") as f:
        return f.read()


def files(folder, ending):
    return glob.glob(os.path.join(source, folder, "**", "*" + ending), recursive=True)


def sources(*folders):
    return {path: open(path, encoding="utf-8").read() for folder in folders for path in files(folder, ".cpp")}


# Text constants (inline constexpr std::string_view kName = "...";) by name.
constants = {}
for folder in ("calc", "res", "app", "summary", "schedule", "planning", "controls", "platform"):
    for header in files(folder, ".h"):
        with open(header, encoding="utf-8") as f:
            constants.update(re.findall(r'constexpr std::string_view (k\w+) = "([^"]*)";', f.read()))


def without_mnemonic(text):
    return re.sub(r"\(&.\)$", "", text)


def expect(what, found, at_least):
    if len(found) < at_least:
        problems.append(f"found {len(found)} {what} in the code, expected {at_least} or more: "
                        "the code's form changed, so this check must learn it")
    return found


menu_rows = re.findall(r'\{"([^"]+)",\s*\w+,\s*"([^"]+)",\s*(?:true|false)', read("res", "MainDialogTemplate.cpp"))
menus = expect("menus", sorted({without_mnemonic(m) for m, _ in menu_rows}), 3)
commands = expect("menu commands", [c for _, c in menu_rows], 9)

windows = re.findall(r'constexpr DialogTemplate \w+\{\w+, "([^"]+)"', "".join(sources("res").values()))
for text in sources("app", "summary", "schedule", "planning").values():
    for name in re.findall(r"setWindowTitle\(\w+\((k\w+)\)\)", text):
        windows.append(constants.get(name, name))
windows = expect("window titles", sorted(set(windows)), 5)

sections = []
for text in sources("planning").values():
    for arg in re.findall(r"addTab\([^,]+,\s*([^;]+)\);", text):
        named = re.search(r"\((k\w+)\)", arg)
        literal = re.search(r'QStringLiteral\("([^"(]+)', arg)
        sections.append(constants.get(named.group(1), "?") if named else literal.group(1) if literal else arg)
sections = expect("planning sections", sections, 4)

names = [("window", w) for w in windows] + [("planning section", s) for s in sections] + \
        [("menu", m) for m in menus] + [("menu command", c) for c in commands]


def squeezed(text):
    return re.sub(r"\s+", "", text)


description = ET.parse(metainfo).getroot().find("description")
places = {"the manual page": squeezed(rendered(page)),
          "the AppStream description": squeezed("".join(description.itertext()))}
for kind, name in names:
    for where, text in places.items():
        if squeezed(name) not in text:
            problems.append(f"{kind} {name!r} is not in {where}")

# What a Japanese buyer types into a software centre's search.
searched = ["住宅ローン", "ローン計算", "返済予定表", "繰上げ返済", "借入可能額", "シミュレーション"]
keywords = {k.text for k in ET.parse(metainfo).getroot().iter("keyword")}
with open(desktop, encoding="utf-8") as f:
    entry = re.search(r"(?m)^Keywords\[ja\]=(.*)$", f.read())
desktop_keywords = set(entry.group(1).split(";")) if entry else set()
for word in searched:
    if word not in keywords:
        problems.append(f"keyword {word!r} is not in the AppStream metadata")
    if word not in desktop_keywords:
        problems.append(f"keyword {word!r} is not in the desktop entry's Keywords[ja]")

for p in problems:
    print("FAIL", p)
print(f"{len(names)} names and {len(searched)} keywords checked")
sys.exit(1 if problems else 0)
