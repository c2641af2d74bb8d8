# SPDX-License-Identifier: GPL-3.0-or-later
"""Every hensai-calc example in the documents runs as written: it exits as shown
(0 unless an `echo $?` says otherwise), its JSON parses (and, given a schema,
validates), and where a transcript shows the output, the output is that.

Examples are the lines of ```sh code blocks in Markdown, and the `$ ` lines of
transcripts (```console blocks in Markdown, .EX blocks of the manual page),
each followed by the output it shows. They run in a scratch folder holding the plan
files of docs/examples/ as examples/.
usage: doc-examples.py <hensai-calc> [--schema FILE] <document>..."""
import json
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tempfile


def joined(lines):
    """Lines with a trailing backslash continued on the next one."""
    out, held = [], ""
    for line in lines:
        if line.endswith("\\"):
            held += line[:-1].rstrip() + " "
        else:
            out.append(held + line.strip() if held else line)
            held = ""
    return out


def transcript(lines, where):
    """(command, shown output or None, where) from `$ ` lines and what follows them."""
    examples = []
    for line in joined(lines):
        if line.startswith("$ "):
            examples.append([line[2:].strip(), [], where])
        elif examples:
            examples[-1][1].append(line)
    return [(c, "\n".join(o).strip("\n") if o else None, w) for c, o, w in examples]


def markdown_examples(path):
    examples = []
    with open(path, encoding="utf-8") as f:
        text = f.read()
    for m in re.finditer(r"(?ms)^```(\w*)\n(.*?)^```", text):
        kind, body = m.group(1), m.group(2).rstrip("\n").split("\n")
        where = f"{os.path.basename(path)}:{text.count(chr(10), 0, m.start()) + 2}"
        if kind == "console":
            examples += transcript(body, where)
        elif kind == "sh":
            examples += [(c.strip(), None, where) for c in joined(body)
                         if c.strip().startswith("hensai-calc")]
    return examples


ROFF = [("\\-", "-"), ("\\(aq", "'"), ("\\(dq", '"'), ("\\(mu", "×"), ("\\e", "\\")]


def manpage_examples(path):
    examples = []
    with open(path, encoding="utf-8") as f:
        text = f.read()
    for m in re.finditer(r"(?ms)^\.EX\n(.*?)^\.EE", text):
        body = m.group(1)
        for old, new in ROFF:
            body = body.replace(old, new)
        where = f"{os.path.basename(path)}:{text.count(chr(10), 0, m.start()) + 2}"
        examples += transcript(body.rstrip("\n").split("\n"), where)
    return examples


def main():
    args = sys.argv[1:]
    program = os.path.abspath(args.pop(0))
    validator = None
    if args[0] == "--schema":
        args.pop(0)
        import jsonschema
        with open(args.pop(0), encoding="utf-8") as f:
            schema = json.load(f)
        validator = jsonschema.Draft202012Validator(schema)
    examples = []
    for doc in args:
        examples += manpage_examples(doc) if re.search(r"\.\d(\.in)?$", doc) else markdown_examples(doc)

    env = dict(os.environ, LC_ALL="C.UTF-8", PATH=os.path.dirname(program) + ":" + os.environ["PATH"])
    failures, last_rc, run = [], 0, 0
    with tempfile.TemporaryDirectory() as cwd:
        # The plan files the documents name as examples/…, as they are installed beside them.
        shutil.copytree(pathlib.Path(__file__).resolve().parents[2] / "docs" / "examples",
                        os.path.join(cwd, "examples"))
        for k, (command, shown, where) in enumerate(examples):
            def fail(why):
                failures.append(f"{where}: {command}\n    {why}")
            if command == "echo $?":
                if shown is not None and shown.strip() != str(last_rc):
                    fail(f"exit status {last_rc}, the document shows {shown.strip()}")
                continue
            run += 1
            p = subprocess.run(["bash", "-o", "pipefail", "-c", command], cwd=cwd, env=env,
                               capture_output=True, text=True)
            last_rc = p.returncode
            # A nonzero status is right only where the document says so with `echo $?`.
            expects_failure = k + 1 < len(examples) and examples[k + 1][0] == "echo $?"
            if p.returncode != 0 and not expects_failure:
                fail(f"exit status {p.returncode}: {p.stderr.strip()}")
                continue
            direct = not re.search(r"[|>]", command)
            if "--json" in shlex.split(command) and direct and p.returncode == 0:
                try:
                    value = json.loads(p.stdout)
                except ValueError as e:
                    fail(f"not JSON: {e}")
                    continue
                if validator:
                    for e in validator.iter_errors(value):
                        fail(f"schema: {'/'.join(map(str, e.absolute_path))}: {e.message}")
            if shown is not None and (p.stdout + p.stderr).strip("\n") != shown:
                fail(f"printed:\n{p.stdout}{p.stderr}    the document shows:\n{shown}")
            elif direct and p.returncode == 0 and not p.stdout:
                fail("printed nothing")
    for f in failures:
        print("FAIL", f)
    print(f"{run} documented examples run")
    if run < 10:
        print("FAIL fewer than 10 examples found: the patterns no longer match the documents")
        return 1
    return 1 if failures else 0


sys.exit(main())
