#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a C++ source file is compiled by no CMake target.

    scripts/check-sources-built.py SOURCE_DIR SCRATCH_DIR [CMAKE [CMAKE ARGUMENTS...]]

A test file that no target lists is never compiled: its tests neither run nor fail, and
later edits to it go unchecked while the suite stays green. CMake itself says what its
targets compile: the source tree is configured in SCRATCH_DIR (nothing is built) with
every optional part on (windows, tests, benchmarks, fuzzers), and CMake's file API lists
each target's sources. Every .cpp file of the tree outside build folders must be one of
them."""
import json
import pathlib
import subprocess
import sys

# Every optional part of the build on, so that each file has the chance to be in a target.
EVERYTHING = ["-DBUILD_TESTING=ON", "-DHENSAI_BUILD_GUI=ON", "-DHENSAI_BUILD_BENCH=ON",
              "-DHENSAI_BUILD_FUZZERS=ON"]
SKIPPED_FOLDERS = {"build"}  # build trees made inside the source tree (the presets' build/)


def sources_on_disk(root):
    found = set()
    for path in root.rglob("*.cpp"):
        parts = path.relative_to(root).parts
        if any(part in SKIPPED_FOLDERS or part.startswith(".") for part in parts[:-1]):
            continue
        found.add(path.resolve())
    return found


def sources_in_targets(root, scratch, cmake, arguments):
    query = scratch / ".cmake" / "api" / "v1" / "query" / "codemodel-v2"
    query.parent.mkdir(parents=True, exist_ok=True)
    query.touch()
    configure = subprocess.run([cmake, "-S", str(root), "-B", str(scratch), *arguments, *EVERYTHING],
                               capture_output=True, text=True)
    if configure.returncode != 0:
        sys.exit(f"configuring {root} with every part on failed:\n{configure.stdout}{configure.stderr}")
    reply = scratch / ".cmake" / "api" / "v1" / "reply"
    index = max(reply.glob("index-*.json"), key=lambda p: p.stat().st_mtime)
    codemodel_file = next(o["jsonFile"] for o in json.loads(index.read_text())["objects"]
                          if o["kind"] == "codemodel")
    codemodel = json.loads((reply / codemodel_file).read_text())
    compiled = set()
    for configuration in codemodel["configurations"]:
        for target in configuration["targets"]:
            for source in json.loads((reply / target["jsonFile"]).read_text()).get("sources", []):
                compiled.add((root / source["path"]).resolve())
    return compiled


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    root = pathlib.Path(sys.argv[1]).resolve()
    scratch = pathlib.Path(sys.argv[2]).resolve()
    cmake = sys.argv[3] if len(sys.argv) > 3 else "cmake"
    orphans = sorted(sources_on_disk(root) - sources_in_targets(root, scratch, cmake, sys.argv[4:]))
    for path in orphans:
        print(f"{path.relative_to(root)}: in no CMake target, so never compiled")
    if orphans:
        print(f"{len(orphans)} source file(s) outside every target: list them in a CMakeLists.txt "
              "(or delete them)")
        return 1
    print("every source file is compiled by some target")
    return 0


if __name__ == "__main__":
    sys.exit(main())
