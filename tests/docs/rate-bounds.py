# SPDX-License-Identifier: GPL-3.0-or-later
"""The rates the program takes are said one way everywhere: the bounds hensai-calc
applies (the smallest rate is the smallest a rate field can state) are the ones its
messages, the planning window's messages, the documents and both manual pages give.
usage: rate-bounds.py <hensai-calc> <source dir> <hensai-calc.1> <hensai-navi.1>"""
import glob
import os
import re
import subprocess
import sys

from manpage import rendered

program, source, calc_page, navi_page = sys.argv[1:5]
problems = []


def run(*args):
    return subprocess.run([program, *args], capture_output=True, text=True)


# The bounds as the program states them, and as it applies them.
said = run("--method", "6", "--loan", "100", "--years", "10", "--rate-path", "1:0").stderr
m = re.search(r"the rate must be from ([0-9.]+) to ([0-9.]+) percent", said)
if not m:
    print(f"FAIL no rate bounds in the message: {said!r}")
    sys.exit(1)
low, high = m.group(1), m.group(2)
loan = ["--method", "6", "--loan", "100", "--years", "10"]
for rate, taken in ((low, True), (str(float(low) / 2), False), (high, True), (str(float(high) + 0.5), False)):
    for option in (["--rate-path", "1:" + rate], ["--rate1", rate]):
        ok = run(*loan, *option).returncode == 0
        if ok != taken:
            problems.append(f"{' '.join(option)} is {'taken' if ok else 'refused'}, against the bounds {low} to {high}")

# Every "A to 99 percent" / "A ～ 99%" / "A % to 99 %" the user can read states the same A.
bound = re.compile(r"(\d+(?:\.\d+)?)\s*(?:%|％)?\s*(?:to|～|〜|から)\s*" + re.escape(high) + r"\s*(?:%|％|percent)")
texts = {"hensai-calc.1": rendered(calc_page), "hensai-navi.1": rendered(navi_page)}
for pattern in ("docs/*.md", "README.md", "calc/**/*.h", "calc/**/*.cpp", "planning/**/*.h", "planning/**/*.cpp",
                "cli/**/*.cpp"):
    for path in glob.glob(os.path.join(source, pattern), recursive=True):
        with open(path, encoding="utf-8") as f:
            texts[os.path.relpath(path, source)] = f.read()
stated = 0
for where, text in texts.items():
    for found in bound.finditer(text):
        stated += 1
        if found.group(1) != low:
            problems.append(f"{where} says {found.group(0)!r}; the program takes {low} to {high}")
if stated < 5:
    problems.append(f"only {stated} statements of the bounds found: the pattern no longer matches them")
for p in problems:
    print("FAIL", p)
print(f"bounds {low} to {high} %; {stated} statements checked")
sys.exit(1 if problems else 0)
