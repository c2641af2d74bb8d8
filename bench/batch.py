#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plain loans a second that one hensai-calc --batch process answers, beside a
process per loan.

    bench/batch.py BUILD_DIR [LOANS]

BUILD_DIR must hold cli/hensai-calc (a Release or RelWithDebInfo build). LOANS
(default 200,000) requests of the six methods with varied amounts, bonus parts,
rates and periods are written to a file first; the batch reads it with its output
going to /dev/null, pinned to one core with taskset where there is one, best of
three runs by CPU time (user + system) and by wall time. Then 200 of the same
requests run as one process each, for the comparison."""
import os
import random
import resource
import shutil
import subprocess
import sys
import tempfile
import time


def requests(count):
    rng = random.Random(20)
    for _ in range(count):
        method = rng.randint(1, 6)
        years = rng.randint(25, 35)
        loan = rng.randint(500, 8000)
        r = {"method": method, "loan": loan, "bonus": rng.randint(0, loan // 2),
             "rate1": round(rng.uniform(0.3, 4.0), 3), "rate2": round(rng.uniform(0.3, 4.0), 3),
             "years": years, "income": rng.randint(300, 1500)}
        yield r


def line(r):
    return "{" + ", ".join(f'"{k}": {v}' for k, v in r.items()) + "}\n"


def children_cpu():
    u = resource.getrusage(resource.RUSAGE_CHILDREN)
    return u.ru_utime + u.ru_stime


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200_000
    program = os.path.join(build, "cli", "hensai-calc")
    pin = ["taskset", "-c", "0"] if shutil.which("taskset") else []
    with tempfile.NamedTemporaryFile("w", suffix=".jsonl", delete=False) as f:
        for r in requests(count):
            f.write(line(r))
        path = f.name
    try:
        best_cpu = best_wall = float("inf")
        for _ in range(3):
            cpu0, wall0 = children_cpu(), time.perf_counter()
            with open(path) as stdin, open(os.devnull, "w") as devnull:
                p = subprocess.run([*pin, program, "--batch"], stdin=stdin, stdout=devnull)
            best_wall = min(best_wall, time.perf_counter() - wall0)
            best_cpu = min(best_cpu, children_cpu() - cpu0)
            if p.returncode != 0:
                print(f"the batch exited with {p.returncode}: a request failed")
                return 1
        # The answers are the program's: a sample of lines checked for their figures.
        sample = subprocess.run([program, "--batch"], input="".join(line(r) for r in requests(3)),
                                capture_output=True, text=True).stdout.splitlines()
        if len(sample) != 3 or any('"totalYen"' not in s for s in sample):
            print("the batch did not answer with loans' figures")
            return 1

        singles = list(requests(200))
        wall0 = time.perf_counter()
        for r in singles:
            args = [a for k, v in r.items() for a in (f"--{k}", str(v))]
            subprocess.run([program, *args, "--json"], stdout=subprocess.DEVNULL, check=True)
        single_rate = len(singles) / (time.perf_counter() - wall0)
    finally:
        os.unlink(path)
    load = os.getloadavg()[0]
    print(f"{count} plain loans in one process: {count / best_cpu:,.0f} a second of CPU time "
          f"({best_cpu:.2f} s), {count / best_wall:,.0f} a second of wall time ({best_wall:.2f} s)")
    print(f"a process per loan: {single_rate:,.0f} loans a second")
    print(f"load average {load:.2f}; target: well over 100,000 a second on one core")
    return 0


sys.exit(main())
