#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon afresh and compares it, pixel by pixel, with the
# committed PNGs in dist/icons: a changed drawing whose PNGs were not rendered
# again fails here.   icons-rendered.sh <source dir> <scratch dir>
set -euo pipefail
src=$1; out=$2
rm -rf "$out"
"$src/scripts/render-app-icon.sh" "$out" >/dev/null
status=0
for size in 16 32 48 64 128 256; do
  committed="$src/dist/icons/hensai-navi-$size.png"
  # Pixels that differ by more than a few levels of a channel (renderer
  # versions round anti-aliased edges differently).
  differ=$(compare -metric AE -fuzz 3% "$committed" "$out/hensai-navi-$size.png" null: 2>&1 || true)
  if [ "$differ" != "0" ]; then
    echo "hensai-navi-$size.png: $differ pixels differ from a fresh rendering; run scripts/render-app-icon.sh"
    status=1
  fi
done
[ $status -eq 0 ] && echo "icons: the committed PNGs match their sources"
exit $status
