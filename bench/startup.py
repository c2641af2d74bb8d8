#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and memory of the program beside a bare Qt 6 dialog.

Run under a virtual display:
    scripts/with-display.sh bench/startup.py BUILD_DIR [RUNS]
BUILD_DIR must hold app/hensai-navi and bench/bare-dialog/bare-dialog (a Release or
RelWithDebInfo build). For every run it starts the program with a fresh runtime folder
(so the single-instance lock is its own), takes the time from exec to the map event of
its first window (listening with xev on the root window, which reports the map as it
happens; `xdotool search --sync` would only poll every half second), waits two seconds,
reads the resident memory and the image-format plugins mapped from /proc, and ends the
program. The two programs take turns run by run, so that a change in the machine's load
during the series weighs on both alike; the load average is printed with the figures."""
import os
import queue
import statistics
import subprocess
import sys
import tempfile
import time

from xmaps import listen_for_maps


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def image_plugins(pid):
    with open(f"/proc/{pid}/maps") as maps:
        return len({line.split()[-1] for line in maps if "/imageformats/" in line})


def measure(binary, maps):
    while not maps.empty():
        maps.get_nowait()
    with tempfile.TemporaryDirectory() as runtime:
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
        start = time.monotonic()
        proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            mapped = maps.get(timeout=30)
        except queue.Empty:
            proc.kill()
            raise SystemExit(f"{binary}: no window within 30 s")
        time.sleep(2.0)
        rss = resident_kib(proc.pid)
        plugins = image_plugins(proc.pid)
        proc.terminate()
        proc.wait(timeout=10)
    return (mapped - start) * 1000.0, rss / 1024.0, plugins


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    programs = {
        "bare Qt 6 dialog": os.path.join(build, "bench/bare-dialog/bare-dialog"),
        "hensai-navi": os.path.join(build, "app/hensai-navi"),
    }
    load_before = os.getloadavg()[0]
    xev, maps = listen_for_maps()
    results = {name: [] for name in programs}
    try:
        for binary in programs.values():
            measure(binary, maps)  # warm the file cache; not counted
        for _ in range(runs):
            for name, binary in programs.items():
                results[name].append(measure(binary, maps))
    finally:
        xev.terminate()
    load_after = os.getloadavg()[0]

    print(f"| program | start-up to window mapped, median of {runs} (min–max) "
          "| resident memory after 2 s, median | image-format plugins mapped |")
    print("|---|---|---|---|")
    for name, samples in results.items():
        times = [t for t, _, _ in samples]
        rss = [m for _, m, _ in samples]
        plugins = max(p for _, _, p in samples)
        print(f"| {name} | {statistics.median(times):.0f} ms ({min(times):.0f}–{max(times):.0f}) "
              f"| {statistics.median(rss):.1f} MiB | {plugins} |")
    bare, ours = results["bare Qt 6 dialog"], results["hensai-navi"]
    ratio = statistics.median(t for t, _, _ in ours) / statistics.median(t for t, _, _ in bare)
    extra = statistics.median(m for _, m, _ in ours) - statistics.median(m for _, m, _ in bare)
    print(f"\nstart-up ratio {ratio:.2f}× (target ≤ 1.1×), extra memory {extra:.1f} MiB (target ≤ 6 MiB); "
          f"load average {load_before:.2f} before, {load_after:.2f} after")


if __name__ == "__main__":
    main()
