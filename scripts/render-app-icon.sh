#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon for the desktop's icon theme:
#   16 and 32 pixels from the hand-drawn pixel pictures res/icons/mainframe_{16,32}.xpm
#   (a vector drawing made that small loses its crisp edges), 48 to 256 pixels
#   from the vector drawing dist/icons/hensai-navi.svg.
#   scripts/render-app-icon.sh [output-folder]     (default: dist/icons)
# The PNGs in dist/icons are committed; run this after changing either source,
# and the test dist.icons_rendered checks that they are current.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (scripts/setup.sh installs both).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/dist/icons}"
for tool in rsvg-convert convert; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 1; }
done
mkdir -p "$out"
for size in 16 32; do
  # -strip: no time stamps, so an unchanged picture gives an unchanged file.
  convert "$root/res/icons/mainframe_$size.xpm" -strip "PNG32:$out/hensai-navi-$size.png"
done
for size in 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$root/dist/icons/hensai-navi.svg" |
    convert - -strip "PNG32:$out/hensai-navi-$size.png"
done
ls "$out"/hensai-navi-*.png
