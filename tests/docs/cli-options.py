# SPDX-License-Identifier: GPL-3.0-or-later
"""Every option hensai-calc --help lists is described in its manual page and in
docs/cli.md.
usage: cli-options.py <hensai-calc> <hensai-calc.1> <docs/cli.md>"""
import re
import subprocess
import sys

from manpage import rendered

program, page, cli_md = sys.argv[1:4]
help_text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True).stdout
# An option: "-h", "--name", or "--" alone at the start of a help line.
options = set(re.findall(r"(?<![\w-])(-h|--[a-z][a-z0-9-]*)", help_text))
options |= {"--"} if re.search(r"(?m)^\s+--\s", help_text) else set()
if len(options) < 20:
    print(f"FAIL only {len(options)} options found in --help: the pattern no longer matches it")
    sys.exit(1)

with open(cli_md, encoding="utf-8") as f:
    places = {"the manual page": rendered(page), "docs/cli.md": f.read()}
missing = []
for option in sorted(options):
    token = re.compile(r"(?<![\w-])" + re.escape(option) + r"(?![\w-])")
    for where, text in places.items():
        if not token.search(text):
            missing.append(f"{option} is not in {where}")
for m in missing:
    print("FAIL", m)
print(f"{len(options)} options of --help checked")
sys.exit(1 if missing else 0)
