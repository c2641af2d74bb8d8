#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a source file includes a folder its layer may not use.

    scripts/check-layers.py [SOURCE_DIR]

The layers and what each may include (besides itself); docs/architecture.md draws
the same graph. The ground floor, calc/, the reports above it and the command-line tool also
include no Qt.
Tests, benchmarks, fuzzers and tools may include every layer."""
import pathlib
import re
import sys

ALLOWED = {
    "calc": set(),
    "report": {"calc"},
    "platform": set(),
    "controls": {"platform", "calc"},
    "res": {"platform"},
    "summary": {"calc", "report", "controls", "platform", "res"},
    "schedule": {"calc", "report", "controls", "platform", "res", "summary"},
    "planning": {"calc", "report", "controls", "platform", "res", "summary", "schedule"},
    "app": {"calc", "report", "controls", "platform", "res", "summary", "schedule", "planning"},
    "cli": {"calc", "report"},
}
NO_QT = {"calc", "report", "cli"}
OURS = set(ALLOWED) | {"tests", "tools", "bench", "fuzz"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    faults = []
    for layer, allowed in ALLOWED.items():
        folder = root / layer
        if not folder.is_dir():
            continue
        for path in sorted(folder.rglob("*")):
            if path.suffix not in {".h", ".hpp", ".cpp", ".cc"}:
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                bracket, name = match.groups()
                where = f"{path.relative_to(root)}:{number}"
                top = name.split("/", 1)[0] if "/" in name else None
                if bracket == '"' and top in OURS and top != layer and top not in allowed:
                    faults.append(f"{where}: {layer}/ may not include {name}")
                if layer in NO_QT and (name.startswith("Q") or name.startswith("qt")):
                    faults.append(f"{where}: {layer}/ is plain C++ and may not include <{name}>")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) outside the layer graph (see docs/architecture.md)")
        return 1
    print("every include follows the layer graph")
    return 0


if __name__ == "__main__":
    sys.exit(main())
