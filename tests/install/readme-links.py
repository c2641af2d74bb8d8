# SPDX-License-Identifier: GPL-3.0-or-later
"""The README as a package installs it, read by a user: it opens with what the
program is, not with developer scripts or build folders, and every relative link
and picture in it leads to a file installed beside it.
usage: readme-links.py <installed prefix>"""
import os
import re
import sys

docdir = os.path.join(sys.argv[1], "share", "doc", "hensai-navi")
with open(os.path.join(docdir, "README.md"), encoding="utf-8") as f:
    text = f.read()
problems = []

for developer_word in ("scripts/", "build/", "<!--"):
    if developer_word in text:
        problems.append(f"the installed README mentions {developer_word!r}")
# The first thing after the title is a description, not a block of commands.
body = [line for line in text.splitlines()[1:] if line.strip()]
if not body or body[0].startswith("```"):
    problems.append(f"the installed README opens with {body[:1]!r}")

links = re.findall(r"\]\(([^)\s]+)\)", text) + re.findall(r"<img[^>]*\ssrc=\"([^\"]+)\"", text)
relative = [t for t in links if not re.match(r"^(https?:|mailto:|#)", t)]
for target in relative:
    path = os.path.normpath(os.path.join(docdir, target.split("#")[0]))
    if not os.path.isfile(path):
        problems.append(f"link {target!r} leads to no installed file")
if not relative:
    problems.append("no relative link found: the pattern no longer matches the README")

for p in problems:
    print("FAIL", p)
print(f"{len(relative)} relative links and pictures checked")
sys.exit(1 if problems else 0)
