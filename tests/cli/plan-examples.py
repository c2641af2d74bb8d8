# SPDX-License-Identifier: GPL-3.0-or-later
"""Every plan in docs/examples/ keeps to the plan file's schema, hensai-calc --plan
answers it as JSON that keeps to the program's schema and as text, and the figures
its "_expect" member names come out as stated: a number exactly, {"min", "max"} a
range. A key is a path through the JSON's "plan" member: "tranches.0.firstMonthlyYen".
usage: plan-examples.py <hensai-calc> <hensai-plan.schema.json> <hensai-calc.schema.json> <examples dir>"""
import json
import pathlib
import subprocess
import sys

import jsonschema


def validator(path):
    with open(path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    return jsonschema.Draft202012Validator(schema)


program, plan_schema, calc_schema, examples = sys.argv[1:5]
plan_validator = validator(plan_schema)
calc_validator = validator(calc_schema)
failures = []
files = sorted(pathlib.Path(examples).glob("*.json"))
if not files:
    failures.append(f"no plan in {examples}")
for file in files:
    plan = json.loads(file.read_text(encoding="utf-8"))
    for error in plan_validator.iter_errors(plan):
        failures.append(f"{file.name}: plan schema: {error.message}")
    if not plan.get("_expect"):
        failures.append(f"{file.name}: names no figure in _expect")
    run = subprocess.run([program, "--plan", str(file), "--json"], capture_output=True, text=True)
    if run.returncode != 0:
        failures.append(f"{file.name}: exit {run.returncode}: {run.stderr.strip()}")
        continue
    out = json.loads(run.stdout)
    for error in calc_validator.iter_errors(out):
        failures.append(f"{file.name}: output schema: {error.message}")
    if out.get("mode") != "plan":
        failures.append(f"{file.name}: mode {out.get('mode')!r}")
    for key, want in plan.get("_expect", {}).items():
        got = out.get("plan")
        for part in key.split("."):
            got = got[int(part)] if isinstance(got, list) else (got or {}).get(part)
        ok = (isinstance(want, dict) and got is not None and want.get("min", got) <= got <= want.get("max", got)) \
            or got == want
        if not ok:
            failures.append(f"{file.name}: {key} is {got!r}, expected {want!r}")
    # The years as CSV add up to the plan's total, and the text lists them after the figures.
    csv = subprocess.run([program, "--plan", str(file), "--schedule", "yearly", "--csv"], capture_output=True,
                         text=True)
    rows = [line.split(",") for line in csv.stdout.lstrip("\ufeff").splitlines()[1:]]
    if csv.returncode != 0 or sum(int(r[3]) for r in rows) != out["plan"]["whole"]["totalRepaidYen"] \
            or len(rows) != len(out["plan"]["years"]):
        failures.append(f"{file.name}: --schedule yearly --csv: exit {csv.returncode}, {len(rows)} rows")
    listed = subprocess.run([program, "--plan", str(file), "--schedule", "yearly"], capture_output=True, text=True)
    if listed.returncode != 0 or len(listed.stdout.split("\n年目")) != 2:
        failures.append(f"{file.name}: --schedule yearly: exit {listed.returncode}")
    text = subprocess.run([program, "--plan", str(file)], capture_output=True, text=True)
    if text.returncode != 0 or "借入必要額: " not in text.stdout:
        failures.append(f"{file.name}: text mode: exit {text.returncode}: {text.stdout[:200]} {text.stderr}")
# What goes wrong is said on standard error with exit status 2.
for args, message in [(["--plan", "no-such-plan.json"], "計画ファイルを開けません: no-such-plan.json"),
                      (["--plan", str(files[0]) if files else "x", "--loan", "3000"],
                       "option '--plan' reads the loans from its file: give it alone or with '--json', '--schedule yearly' or '--csv'"),
                      (["--plan", str(files[0]) if files else "x", "--schedule", "monthly"],
                       "option '--plan' reads the loans from its file")]:
    run = subprocess.run([program] + args, capture_output=True, text=True)
    if run.returncode != 2 or message not in run.stderr or run.stdout:
        failures.append(f"{' '.join(args)}: exit {run.returncode}, {run.stderr.strip()!r}")
for f in failures:
    print(f)
print(f"{len(files)} plans, {len(failures)} failures")
sys.exit(1 if failures else 0)
