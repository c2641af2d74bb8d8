#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Enlarges a 16-pixel XPM picture to 32 or 48 pixels with the Scale2x / Scale3x
pixel-art rules: no new colours, straight edges stay straight, and diagonal steps are
smoothed instead of turning into staircases. The result is the starting point for the
larger pictures in res/icons/ (the 16-pixel drawings stay the ones shown at 1x).

    scripts/enlarge-icons.py res/icons/calculate.xpm 32 > res/icons/calculate_32.xpm
"""
import re
import sys


def read_xpm(path):
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', open(path, encoding="ascii").read())
    w, h, ncolours, cpp = map(int, strings[0].split()[:4])
    colours = strings[1:1 + ncolours]
    rows = strings[1 + ncolours:1 + ncolours + h]
    pixels = [[row[x * cpp:(x + 1) * cpp] for x in range(w)] for row in rows]
    comments = {}
    for line in open(path, encoding="ascii"):
        m = re.match(r'\s*"(.)\s+c\s+[^"]+",\s*(/\*.*\*/)', line)
        if m:
            comments[m.group(1)] = m.group(2)
    return colours, pixels, comments


def scale2x(p):
    h, w = len(p), len(p[0])
    at = lambda x, y: p[min(max(y, 0), h - 1)][min(max(x, 0), w - 1)]
    out = [[None] * (2 * w) for _ in range(2 * h)]
    for y in range(h):
        for x in range(w):
            b, d, e, f, hh = at(x, y - 1), at(x - 1, y), at(x, y), at(x + 1, y), at(x, y + 1)
            e0 = e1 = e2 = e3 = e
            if b != hh and d != f:
                e0 = d if d == b else e
                e1 = f if b == f else e
                e2 = d if d == hh else e
                e3 = f if hh == f else e
            out[2 * y][2 * x], out[2 * y][2 * x + 1] = e0, e1
            out[2 * y + 1][2 * x], out[2 * y + 1][2 * x + 1] = e2, e3
    return out


def scale3x(p):
    h, w = len(p), len(p[0])
    at = lambda x, y: p[min(max(y, 0), h - 1)][min(max(x, 0), w - 1)]
    out = [[None] * (3 * w) for _ in range(3 * h)]
    for y in range(h):
        for x in range(w):
            a, b, c = at(x - 1, y - 1), at(x, y - 1), at(x + 1, y - 1)
            d, e, f = at(x - 1, y), at(x, y), at(x + 1, y)
            g, hh, i = at(x - 1, y + 1), at(x, y + 1), at(x + 1, y + 1)
            r = [e] * 9
            if b != hh and d != f:
                r[0] = d if d == b else e
                r[1] = b if (d == b and e != c) or (b == f and e != a) else e
                r[2] = f if b == f else e
                r[3] = d if (d == b and e != g) or (d == hh and e != a) else e
                r[5] = f if (b == f and e != i) or (hh == f and e != c) else e
                r[6] = d if d == hh else e
                r[7] = hh if (d == hh and e != i) or (hh == f and e != g) else e
                r[8] = f if hh == f else e
            for k in range(9):
                out[3 * y + k // 3][3 * x + k % 3] = r[k]
    return out


def main():
    path, size = sys.argv[1], int(sys.argv[2])
    colours, pixels, comments = read_xpm(path)
    if size == 32:
        big = scale2x(pixels)
    elif size == 48:
        big = scale3x(pixels)
    else:
        sys.exit("size must be 32 or 48")
    name = re.sub(r"\W", "_", path.rsplit("/", 1)[-1].rsplit(".", 1)[0]) + f"_{size}_xpm"
    print("/* XPM */")
    print(f"static const char *{name}[] = {{")
    print("/* columns rows colours chars-per-pixel */")
    print(f'"{size} {size} {len(colours)} 1",')
    for c in colours:
        key = c[0]
        print(f'"{c}",' + (f"  {comments[key]}" if key in comments else ""))
    print("/* pixels */")
    for i, row in enumerate(big):
        print('"' + "".join(row) + '"' + ("," if i + 1 < len(big) else ""))
    print("};")


if __name__ == "__main__":
    main()
