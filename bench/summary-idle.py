#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""CPU cost of the whole program while the summary window is open with no income: its
gauge then animates amber stripes forty times a second.

    scripts/with-display.sh bench/summary-idle.py BUILD_DIR [SECONDS]

Starts BUILD_DIR/app/hensai-navi with a fresh runtime folder, clicks the summary button
with xdotool, lets it settle for a second, then reads the process's user and system CPU
time from /proc/PID/stat over SECONDS of wall time and prints it as a share of one
core. The X server's own work is not counted: it is another process."""
import os
import subprocess
import sys
import tempfile
import time

CLIENT_HEIGHT = 536          # the calculator window's client area, below its menu bar
SUMMARY_BUTTON = (369, 26)   # centre of button 1064 in the client area


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.strip()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime, stime
    return ticks / os.sysconf("SC_CLK_TCK")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    with tempfile.TemporaryDirectory() as runtime:
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
        proc = subprocess.Popen([os.path.join(build, "app/hensai-navi")], env=env)
        try:
            window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Hensai Navi$").splitlines()[0]
            height = int(dict(line.split("=") for line in
                              xdotool("getwindowgeometry", "--shell", window).splitlines())["HEIGHT"])
            menu = height - CLIENT_HEIGHT
            xdotool("mousemove", "--window", window, str(SUMMARY_BUTTON[0]), str(menu + SUMMARY_BUTTON[1]))
            xdotool("click", "1")
            xdotool("search", "--sync", "--onlyvisible", "--name", "^集計結果表示$")
            xdotool("mousemove", "0", "0")  # not over a button: nothing lit
            time.sleep(1.0)
            before, started = cpu_seconds(proc.pid), time.monotonic()
            time.sleep(seconds)
            used, elapsed = cpu_seconds(proc.pid) - before, time.monotonic() - started
        finally:
            proc.terminate()
            proc.wait(timeout=10)
    print(f"hensai-navi, summary window open, no income: {100.0 * used / elapsed:.2f} % of one core "
          f"over {elapsed:.1f} s (target: under 2 %)")


if __name__ == "__main__":
    main()
