# SPDX-License-Identifier: GPL-3.0-or-later
"""A manual page as man shows it, one long line a paragraph, for the checks that
look for names in it."""
import os
import re
import subprocess


def rendered(page):
    env = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="2000")
    text = subprocess.run(["man", "-E", "UTF-8", "-l", page], env=env, check=True,
                          capture_output=True, text=True).stdout
    text = re.sub(r".\x08", "", text)  # overstrike, should a pager keep it
    return text.replace("\u2010", "-").replace("\u2212", "-")
