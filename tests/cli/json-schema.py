# SPDX-License-Identifier: GPL-3.0-or-later
"""hensai-calc --json in every mode validates against docs/schema, the same
key holds the same value whichever mode printed it, and --batch answers each
line as the same request on its own.
usage: json-schema.py <hensai-calc> <hensai-calc.schema.json>"""
import copy
import json
import subprocess
import sys

import jsonschema

program, schema_path = sys.argv[1:3]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)

WORKED = ["--method", "1", "--loan", "3000", "--bonus", "600", "--rate1", "2.0", "--rate2", "3.0",
          "--years", "35", "--income", "700"]
BANK = ["--method", "6", "--loan", "2000", "--rate1", "3", "--years", "35"]
PATH = ["--method", "6", "--loan", "1000", "--years", "30", "--rate-path", "1:2.375,13:5.375"]
FIRST = ["--first-month", "2027-04"]
# (mode, arguments): every mode, each view, and the shapes a mode's members take
# (bonus part or none, one prepayment with the three ways or several, a scenario's
# warnings, a capacity capped by a check).
RUNS = [
    ("calculate", WORKED),
    ("calculate", ["--method", "5", "--loan", "2000", "--rate1", "1.5", "--years", "10"]),
    ("schedule", WORKED + ["--schedule", "monthly"] + FIRST),
    ("schedule", WORKED + ["--schedule", "yearly"] + FIRST),
    ("schedule", ["--method", "5", "--loan", "2000", "--rate1", "1.5", "--rate2", "2", "--years", "35",
                  "--schedule", "monthly"]),
    ("prepayment", BANK + ["--prepay", "120:100:shorten"]),
    ("prepayment", WORKED + ["--prepay", "60:100:reduce:20", "--prepay", "240:200:shorten-whole",
                             "--schedule", "monthly"] + FIRST),
    ("prepayment", WORKED + ["--prepay", "120:100:reduce", "--schedule", "yearly"]),
    ("scenario", PATH),
    ("scenario", PATH + ["--unpaid", "first", "--review", "every", "--schedule", "monthly"] + FIRST),
    ("scenario", ["--method", "5", "--loan", "2000", "--years", "35", "--bonus", "500",
                  "--rate-path", "1:0.5,61:1.5,121:2.5", "--schedule", "yearly"]),
    ("capacity", ["--capacity", "--income", "400", "--limit", "35", "--screening-rate", "1.6", "--years", "35"]),
    ("capacity", ["--capacity", "--income", "9999", "--limit", "40", "--screening-rate", "0.5", "--years", "35",
                  "--method", "6", "--bonus-share", "50"]),
]

failures = []
outputs = {}
for mode, args in RUNS:
    p = subprocess.run([program, *args, "--json"], capture_output=True, text=True)
    where = " ".join(args)
    if p.returncode != 0:
        failures.append(f"{where}: exit status {p.returncode}: {p.stderr.strip()}")
        continue
    if p.stdout.count("\n") != 1:
        failures.append(f"{where}: not one line")
    doc = json.loads(p.stdout)
    if doc.get("mode") != mode:
        failures.append(f"{where}: mode {doc.get('mode')!r}, expected {mode!r}")
    for e in validator.iter_errors(doc):
        failures.append(f"{where}: {'/'.join(map(str, e.absolute_path))}: {e.message}")
    outputs.setdefault(mode, []).append(doc)

# The schema is no formality: a renamed key, a missing one or a stray one fails it.
plain = outputs["calculate"][0]
for broken in ({**plain, "total": plain["totalYen"]},
               {k: v for k, v in plain.items() if k != "totalYen"},
               {**plain, "format": 2},
               {**plain, "input": {**plain["input"], "rate1": "2%"}}):
    if validator.is_valid(broken):
        failures.append(f"the schema accepts a broken object: {json.dumps(broken)[:200]}")
scheduled = copy.deepcopy(outputs["schedule"][0])
scheduled["schedule"]["rows"][0]["balance"] = "29,401,801"
if validator.is_valid(scheduled):
    failures.append("the schema accepts a row with a figure as text")

# Same key, same meaning: the loan's input and figures agree across modes.
FIGURES = ["input", "monthly", "bonus", "bandUsed", "annualYen", "requiredIncomeMan", "totalYen"]
for other in outputs["schedule"][:2] + outputs["prepayment"][1:]:
    for key in FIGURES:
        if other[key] != plain[key]:
            failures.append(f"{other['mode']}: {key} {other[key]} differs from the plain mode's {plain[key]}")
for cap in outputs["capacity"]:
    for key in FIGURES:
        if cap["loan"][key] != cap[key]:
            failures.append(f"capacity: loan.{key} differs from the top level's {key}")
only_checks = outputs["prepayment"][0]
if only_checks["checks"] != only_checks["schedule"]["checks"]:
    failures.append("prepayment: checks and schedule.checks differ")


# --batch: the same requests as JSON Lines, with bad lines among them, answer line
# for line what each run on its own printed; a bad line's error object does not
# stop the lines after it.
def request(args):
    r = {}
    k = 0
    while k < len(args):
        key = args[k][2:]
        if key == "capacity":
            r[key] = True
            k += 1
            continue
        r[key] = r[key] + [args[k + 1]] if key == "prepay" and key in r else args[k + 1]
        if key == "prepay" and not isinstance(r[key], list):
            r[key] = [r[key]]
        k += 2
    return r


BAD = {3: ("not json", "not a JSON object"), 6: ('{"loan": 3000, "rate1": 2}', "入力項目が不足しています"),
       9: ('{"csv": true}', "key 'csv'"), 12: ('{"loan": {"man": 3000}}', "key 'loan'")}
lines, expected = [], []
singles = [(mode, args) for mode, args in RUNS]
for mode, args in singles:
    while len(lines) + 1 in BAD:
        line, message = BAD[len(lines) + 1]
        lines.append(line)
        expected.append(("error", message))
    lines.append(json.dumps(request(args), ensure_ascii=False))
    expected.append(("same", [program, *args, "--json"]))
# Numbers as numbers, the last line without its newline.
lines.append('{"method": 1, "loan": 3000, "bonus": 600, "rate1": 2.0, "rate2": 3.0, "years": 35, "income": 700}')
expected.append(("same", [program, *WORKED, "--json"]))
p = subprocess.run([program, "--batch"], input="\n".join(lines), capture_output=True, text=True)
answers = p.stdout.split("\n")
if answers[-1] != "" or len(answers) - 1 != len(lines):
    failures.append(f"--batch: {len(answers) - 1} lines out for {len(lines)} in")
if p.returncode != 2:
    failures.append(f"--batch with bad lines: exit status {p.returncode}, expected 2")
for number, ((kind, what), answer) in enumerate(zip(expected, answers), start=1):
    doc = json.loads(answer)
    for e in validator.iter_errors(doc):
        failures.append(f"--batch line {number}: {'/'.join(map(str, e.absolute_path))}: {e.message}")
    if kind == "error":
        if doc.get("mode") != "error" or doc["error"]["line"] != number or what not in doc["error"]["message"]:
            failures.append(f"--batch line {number}: expected an error with '{what}', got {answer}")
    else:
        single = subprocess.run(what, capture_output=True, text=True).stdout
        if answer + "\n" != single:
            failures.append(f"--batch line {number}: {answer[:200]}\n    differs from {single[:200]}")

for f in failures:
    print("FAIL", f)
print(f"{len(RUNS)} outputs validated")
sys.exit(1 if failures else 0)
