# SPDX-License-Identifier: GPL-3.0-or-later
"""Both windows under another desktop's look and read by a screen reader: the qt6ct
platform theme with its dark colour scheme and a larger general font. Every control that
takes the focus has a spoken name; the fields carry their captions; every text shown
reads against its background with a contrast of at least 4.5:1, measured on a screenshot
pixel by pixel; the drawn option captions keep clear of their balls."""
import os
import subprocess
import sys
import tempfile
import time

import desktop as d
from gi.repository import Atspi

binary, out = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
check = d.Checks()

config = tempfile.mkdtemp(dir=os.environ.get("XDG_RUNTIME_DIR"))
os.makedirs(os.path.join(config, "qt6ct"))
with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w", encoding="utf-8") as f:
    f.write("[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"
            "custom_palette=true\nstyle=Fusion\n"
            "[Fonts]\ngeneral=\"DejaVu Sans,15,-1,5,50,0,0,0,0,0\"\n"
            "fixed=\"DejaVu Sans Mono,15,-1,5,50,0,0,0,0,0\"\n")
os.environ["XDG_CONFIG_HOME"] = config
os.environ["QT_QPA_PLATFORMTHEME"] = "qt6ct"

program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
d.focus(main)
app = d.application("hensai-navi")

d.key(main, "shift+Tab")
d.type_text(main, "600")
for text in ("3000", "600", "2.0", "3.0"):
    d.key(main, "Tab")
    d.type_text(main, text)
d.key(main, "Tab", "Down", "Down", "Return")
d.press(app, "詳細を表示")
summary = d.wait_for_window("集計結果表示", program=program)
d.focus(main)
d.key(main, "Return")
time.sleep(0.3)
d.press(app, "算出結果を追加します")
time.sleep(0.5)


def states(node):
    return node.get_state_set()


# --- names: every control that takes the focus is named -------------------------------
unnamed = []
for node in d.walk(app):
    try:
        s = states(node)
        if not (s.contains(Atspi.StateType.FOCUSABLE) and s.contains(Atspi.StateType.SHOWING)):
            continue
        role = node.get_role_name()
        if role in ("label", "static", "frame", "dialog", "window", "filler", "panel", "menu bar"):
            continue
        if not node.get_name().strip():
            parent = node.get_parent()
            unnamed.append(f"{role} in {parent.get_role_name() if parent else '?'}")
    except Exception as e:  # a node gone while walking
        print(f"skipped a node: {e}", file=sys.stderr)
check.equal("focusable controls without a name", unnamed, [])

main_node = d.window_node(app, "Hensai Navi")
names = {}
for node in d.walk(main_node):
    try:
        if node.get_role_name() in ("text", "entry", "combo box", "push button", "toggle button", "radio button"):
            names.setdefault(node.get_role_name(), []).append(node.get_name())
    except Exception:
        continue
for caption in ("借入額", "内ﾎﾞｰﾅｽ", "金利 当初10年間", "金利 11年目以降", "年収", "返済期間"):
    check.true(f"a field named {caption}", any(caption in v for v in names.values()))
toggle = d.find(app, "年収欄の表示切替")
check.true("toggle says it is expanded", states(toggle).contains(Atspi.StateType.EXPANDED))
summary_node = d.window_node(app, "集計結果表示")
check.true("clear buttons name their slot", d.find(summary_node, "公庫1のクリア") is not None)
gauge = d.find(summary_node, "年収に対する返済負担率 (20%以下が理想)", "progress bar")
check.equal("gauge value in words", gauge.get_description(), "19.89%")  # 公庫基本型, income 600

# --- contrast, measured on the screen ------------------------------------------------
def luminance(rgb):
    def lin(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b)


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


shot = os.path.join(config, "screen.ppm")
d.run("import", "-window", "root", "-depth", "8", shot)
with open(shot, "rb") as f:
    data = f.read()
# A binary PPM: "P6\n<w> <h>\n255\n" then the pixels.
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    start = pos
    while not data[pos:pos + 1].isspace():
        pos += 1
    fields.append(data[start:pos])
width, height = int(fields[1]), int(fields[2])
pixels = data[pos + 1:]


def pixel(x, y):
    i = 3 * (y * width + x)
    return tuple(pixels[i:i + 3])


def measured(node):
    """Background (the commonest colour inside) and the contrast of the strongest ink."""
    ext = node.get_extents(Atspi.CoordType.SCREEN)
    counts = {}
    inner = [(x, y) for y in range(ext.y + 2, ext.y + ext.height - 2)
             for x in range(ext.x + 2, ext.x + ext.width - 2) if 0 <= x < width and 0 <= y < height]
    for p in inner:
        c = pixel(*p)
        counts[c] = counts.get(c, 0) + 1
    if not counts:
        return None, 0.0
    back = max(counts, key=counts.get)
    return back, max(contrast(back, pixel(*p)) for p in inner)


low = []
sampled = 0
for window in (main_node, summary_node):
    for node in d.walk(window):
        try:
            role = node.get_role_name()
            if role not in ("label", "radio button") or not node.get_name().strip():
                continue
            if not states(node).contains(Atspi.StateType.SHOWING):
                continue
        except Exception:
            continue
        back, ratio = measured(node)
        if back is None:
            continue
        sampled += 1
        if ratio < 4.5:
            low.append(f"{node.get_name()}: {ratio:.2f}")
check.true(f"sampled the texts ({sampled})", sampled >= 40)
check.equal("texts below 4.5:1", low, [])
print(f"contrast sampled on {sampled} texts")

# --- the drawn captions keep clear of the ball ---------------------------------------
for caption in ("公庫（ゆとり)型", "年金(ｽﾃｯﾌﾟ)型", "銀行型・他"):
    node = d.find(main_node, caption, "radio button")
    ext = node.get_extents(Atspi.CoordType.SCREEN)
    back = pixel(ext.x, ext.y)
    gap = [pixel(x, y) for x in range(ext.x + 13, ext.x + 17) for y in range(ext.y, ext.y + ext.height)]
    check.true(f"nothing between ball and caption of {caption}", all(p == back for p in gap))
    ink = [x for x in range(ext.x + 17, ext.x + 22) for y in range(ext.y, ext.y + ext.height) if pixel(x, y) != back]
    check.true(f"the caption of {caption} starts right after the gap", ink != [])

if out:
    d.screenshot(main, os.path.join(out, "main-window-dark.png"))
    d.screenshot(summary, os.path.join(out, "summary-window-dark.png"))

program.terminate()
program.wait(timeout=10)
check.finish()
