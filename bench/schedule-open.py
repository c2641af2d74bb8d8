#!/usr/bin/python3
"""Time to open the repayment schedule window with a 35-year loan, as a user sees it.

Run under a virtual display:
    scripts/with-display.sh bench/schedule-open.py BUILD_DIR [RUNS]
BUILD_DIR must hold app/hensai-navi (a Release or RelWithDebInfo build). The script
starts the program with a fresh runtime folder, types the worked example (3,000 万円 with
600 in bonus instalments, 2.0 % then 3.0 %, 35 years), calculates, presses the menu's
shortcut (Ctrl+R) and takes the time from the key to the map event of the window
"返済予定表" (xev on the root window reports it as it happens): the first opening in a
running program, as a user meets it. One warm-up run, then RUNS measured runs, each in a
fresh program. bench/schedule-open/schedule-open times openings inside the process, up
to the end of the first paint."""
import os
import queue
import statistics
import subprocess
import sys
import tempfile
import time

from xmaps import listen_for_maps


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20).stdout.strip()


def wait_for_window(name, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = xdotool("search", "--onlyvisible", "--name", f"^{name}$")
        if found:
            return found.splitlines()[0]
        time.sleep(0.05)
    raise SystemExit(f"no window {name!r} within {timeout} s")


def key(window, *keys):
    for k in keys:
        xdotool("key", "--window", window, k)
        time.sleep(0.03)


def open_once(binary, maps):
    """One run: a fresh program, the worked example calculated, Ctrl+R; the time from
    the key to the schedule window's map event."""
    with tempfile.TemporaryDirectory() as runtime:
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
        program = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            main_window = wait_for_window("Hensai Navi")
            time.sleep(1.5)  # let the window take its focus before typing
            xdotool("windowraise", main_window)
            xdotool("windowfocus", "--sync", main_window)
            time.sleep(0.2)
            for text in ("3000", "600", "2.0", "3.0"):
                xdotool("type", "--window", main_window, "--delay", "20", text)
                key(main_window, "Tab")
            key(main_window, "Down", "Down", "Return")
            time.sleep(0.5)
            while not maps.empty():
                maps.get_nowait()
            start = time.monotonic()
            xdotool("key", "ctrl+r")  # to the focused window, as typed
            try:
                mapped = maps.get(timeout=10)
            except queue.Empty:
                shown = xdotool("search", "--onlyvisible", "--name", "^返済予定表$")
                raise SystemExit(f"no map event for the schedule window (window: {shown or 'none'})")
            wait_for_window("返済予定表")
            return (mapped - start) * 1000.0
        finally:
            program.terminate()
            program.wait(timeout=10)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    binary = os.path.join(build, "app/hensai-navi")
    xev, maps = listen_for_maps()
    try:
        open_once(binary, maps)  # warms the file cache; not counted
        samples = [open_once(binary, maps) for _ in range(runs)]
    finally:
        xev.terminate()

    print(f"| what | median of {runs} (min–max) |")
    print("|---|---|")
    print(f"| Ctrl+R to the schedule window mapped | {statistics.median(samples):.0f} ms "
          f"({min(samples):.0f}–{max(samples):.0f}) |")
    print("\ntarget: under 100 ms")


if __name__ == "__main__":
    main()
