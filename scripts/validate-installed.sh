#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed tree as a distribution's tools would: the desktop entry
# (desktop-file-validate), the AppStream metadata (appstreamcli, offline) and
# the manual pages (man --warnings: any warning fails).
#   scripts/validate-installed.sh <prefix>     e.g. /tmp/root/usr
# Needs desktop-file-utils, appstream and man-db (scripts/setup.sh installs them).
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 <installed prefix>" >&2
  exit 2
fi
prefix=$1
status=0
shopt -s nullglob

desktop=("$prefix"/share/applications/*.desktop)
metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
manpages=("$prefix"/share/man/man1/*.1.gz)
[ ${#desktop[@]} -eq 1 ] || { echo "expected one desktop entry, found ${#desktop[@]}"; status=1; }
[ ${#metainfo[@]} -eq 1 ] || { echo "expected one metainfo file, found ${#metainfo[@]}"; status=1; }
[ ${#manpages[@]} -eq 2 ] || { echo "expected two manual pages, found ${#manpages[@]}"; status=1; }

for f in "${desktop[@]}"; do
  echo "desktop-file-validate $(basename "$f")"
  # The validator exits 0 on hints; a clean entry prints nothing at all.
  out=$(desktop-file-validate "$f" 2>&1) || status=1
  [ -z "$out" ] || { echo "$out"; status=1; }
done
for f in "${metainfo[@]}"; do
  echo "appstreamcli validate --no-net --pedantic $(basename "$f")"
  appstreamcli validate --no-net --pedantic "$f" || status=1
done
for f in "${manpages[@]}"; do
  echo "man --warnings $(basename "$f")"
  # groff's warnings go to standard error; the page itself is thrown away.
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$f" 2>&1 >/dev/null) || status=1
  [ -z "$out" ] || { echo "$out"; status=1; }
done
[ $status -eq 0 ] && echo "validate-installed: all clean"
exit $status
