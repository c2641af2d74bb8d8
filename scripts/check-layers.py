#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when the layer graph and the code disagree.

    scripts/check-layers.py [SOURCE_DIR]

USES below is the graph: each layer and the layers its files include (besides
itself). A folder inside a layer that is named here is a layer of its own
(calc/schedule/ is not calc/). The check fails on
- an include of a layer the graph does not give (the code went outside the graph);
- a layer the graph gives that no file includes any more (the graph says more than
  the code does: take it out);
- a row of the table in docs/architecture.md that says otherwise;
- a Qt header in calc/, report/ or cli/.
Tests, benchmarks, fuzzers and tools may include every layer."""
import pathlib
import re
import sys

USES = {
    "calc": set(),
    "calc/schedule": {"calc"},
    "calc/rates": {"calc", "calc/schedule"},
    "calc/capacity": {"calc"},
    "calc/costs": {"calc", "calc/schedule"},
    "calc/taxcredit": {"calc", "calc/schedule"},
    "calc/plan": {"calc", "calc/schedule", "calc/capacity"},
    "calc/products": {"calc", "calc/schedule", "calc/rates"},
    "report": {"calc", "calc/schedule", "calc/rates", "calc/capacity", "calc/plan", "calc/products"},
    "platform": set(),
    "controls": {"platform", "calc"},
    "res": {"platform"},
    "summary": {"calc", "calc/schedule", "report", "controls", "platform", "res"},
    "schedule": {"calc", "calc/schedule", "calc/rates", "report", "controls", "platform"},
    "planning": {"calc", "calc/schedule", "calc/rates", "calc/capacity", "report", "controls", "platform",
                 "summary", "schedule"},
    "plan": {"calc", "calc/rates", "calc/schedule", "calc/products", "calc/plan", "report", "controls",
             "platform"},
    "app": {"calc", "controls", "platform", "res", "summary", "schedule", "planning", "plan"},
    "cli": {"calc", "calc/schedule", "calc/rates", "calc/capacity", "report"},
}
NO_QT = {"calc", "report", "cli"}
OURS = {layer.split("/")[0] for layer in USES} | {"tests", "tools", "bench", "fuzz"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
TABLE_ROW = re.compile(r"^\| `([a-z/]+)/` \|.*\| ([^|]*) \|\s*$")


def layer_of(folder):
    """The layer a folder belongs to: the longest layer name it starts with."""
    best = None
    for layer in USES:
        if (folder == layer or folder.startswith(layer + "/")) and (best is None or len(layer) > len(best)):
            best = layer
    return best


def code_graph(root, faults):
    used = {layer: set() for layer in USES}
    for layer in USES:
        for path in sorted((root / layer).rglob("*")):
            if path.suffix not in {".h", ".hpp", ".cpp", ".cc"}:
                continue
            if layer_of(str(path.parent.relative_to(root))) != layer:
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                bracket, name = match.groups()
                where = f"{path.relative_to(root)}:{number}"
                if layer.split("/")[0] in NO_QT and (name.startswith("Q") or name.startswith("qt")):
                    faults.append(f"{where}: {layer}/ is plain C++ and may not include <{name}>")
                if bracket != '"' or "/" not in name or name.split("/", 1)[0] not in OURS:
                    continue
                target = layer_of(name.rsplit("/", 1)[0])
                if target is None or target == layer:
                    continue
                used[layer].add(target)
                if target not in USES[layer]:
                    faults.append(f"{where}: {layer}/ may not include {name}")
    return used


def documented_graph(root):
    """The 'may include' column of docs/architecture.md's table, by folder."""
    table = {}
    for line in (root / "docs" / "architecture.md").read_text(encoding="utf-8").splitlines():
        match = TABLE_ROW.match(line)
        if match and match.group(1) in USES:
            table[match.group(1)] = set(re.findall(r"`([a-z/]+)/`", match.group(2)))
    return table


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    faults = []
    used = code_graph(root, faults)
    for layer, allowed in USES.items():
        for unused in sorted(allowed - used[layer]):
            faults.append(f"{layer}/ no longer includes {unused}/: take it out of the graph")
    documented = documented_graph(root)
    for layer, allowed in USES.items():
        if layer not in documented:
            faults.append(f"docs/architecture.md: no row for {layer}/")
        elif documented[layer] != allowed:
            faults.append(f"docs/architecture.md: {layer}/ may include "
                          f"{', '.join(sorted(allowed)) or 'nothing of ours'}, "
                          f"the table says {', '.join(sorted(documented[layer])) or 'nothing'}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} disagreement(s) between the code and the layer graph (see docs/architecture.md)")
        return 1
    print("the code, the graph and docs/architecture.md agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
