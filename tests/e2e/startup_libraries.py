# SPDX-License-Identifier: GPL-3.0-or-later
"""What the program maps into memory to show its window: none of Qt's image-format
plugins (nor the SVG and JPEG libraries they bring), read from /proc/PID/maps once the
calculator window is shown and again with the summary window open. Its own pictures are
compiled in, and Qt's image reader would load every such plugin to read any file."""
import re
import sys
import time

import desktop as d

binary = sys.argv[1]
check = d.Checks()

# What the image-format plugins bring in; none of it is needed for the program's pictures.
UNWANTED = re.compile(r"/imageformats/|/libQt6Svg\.so|/libjpeg\.so")


def mapped_libraries(pid):
    with open(f"/proc/{pid}/maps") as maps:
        return sorted({line.split()[-1] for line in maps if ".so" in line.split()[-1]})


def expect_none(step, pid):
    libraries = mapped_libraries(pid)
    # The platform plugin is loaded the same way as the image-format plugins: seeing it
    # shows that these are the maps of a program with its window up.
    check.true(f"{step}: the platform plugin is mapped",
               any("/platforms/libqxcb.so" in path for path in libraries))
    check.equal(f"{step}: image-format plugins and their libraries mapped",
                [path for path in libraries if UNWANTED.search(path)], [])


program = d.start(binary)
main = d.wait_for_window("Hensai Navi", program=program)
check.watch(program, main=main)
app = d.application("hensai-navi")  # the accessibility tree walked, as a screen reader would
time.sleep(0.5)  # painted, and any late start-up work done
expect_none("calculator window shown", program.pid)

d.press(app, "詳細を表示")
summary = d.wait_for_window("集計結果表示", program=program)
check.watch(program, summary=summary)
time.sleep(0.5)
expect_none("summary window shown", program.pid)

check.alive("the summary window")
check.unwatch()
program.terminate()
program.wait(timeout=10)
check.finish()
