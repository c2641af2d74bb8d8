# SPDX-License-Identifier: GPL-3.0-or-later
"""Map events of the X display as they happen, for the benchmarks that time a window
from a user's action to its appearing."""
import queue
import subprocess
import threading
import time


def listen_for_maps():
    """Starts xev on the root window; returns it and a queue that receives the
    monotonic time of each window mapped from now on."""
    xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
                           stdout=subprocess.PIPE, text=True)
    maps = queue.Queue()

    def reader():
        for line in xev.stdout:
            if line.startswith("MapNotify"):
                maps.put(time.monotonic())

    threading.Thread(target=reader, daemon=True).start()
    time.sleep(0.5)  # xev selects its events before anything is timed
    return xev, maps
