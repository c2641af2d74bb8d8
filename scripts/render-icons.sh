#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every picture in res/icons/ to PNG, at its own size and enlarged
# eight times (nearest neighbour, so each pixel stays a sharp square):
#   scripts/render-icons.sh <output-folder>      (e.g. docs/images/icons)
# Needs ImageMagick (scripts/setup.sh installs it).
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <output-folder>" >&2
  exit 2
fi
out=$1
root="$(cd "$(dirname "$0")/.." && pwd)"

if command -v magick >/dev/null 2>&1; then
  im=(magick)
elif command -v convert >/dev/null 2>&1; then
  im=(convert)
else
  echo "$0: ImageMagick (magick or convert) is not installed" >&2
  exit 1
fi

mkdir -p "$out"
shopt -s nullglob
icons=("$root"/res/icons/*.xpm)
if [ ${#icons[@]} -eq 0 ]; then
  echo "$0: no pictures in $root/res/icons" >&2
  exit 1
fi
for xpm in "${icons[@]}"; do
  name=$(basename "$xpm" .xpm)
  # -strip keeps the files free of time stamps, so unchanged pictures give
  # unchanged PNGs.
  "${im[@]}" "$xpm" -strip "PNG32:$out/$name.png"
  "${im[@]}" "$xpm" -scale 800% -strip "PNG32:$out/$name@8x.png"
  echo "$out/$name.png  $out/$name@8x.png"
done
