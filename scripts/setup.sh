#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Hensai Navi needs.
#   scripts/setup.sh          everything: building, running, testing, fuzzing, packaging
#   scripts/setup.sh --run    only what building and running the program need
# Safe to run again: packages already present are skipped.
set -euo pipefail

run_packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the command line's JSON writer (header-only)
  nlohmann-json3-dev
  # a Japanese font: without one Qt draws empty boxes
  fonts-ipafont-gothic
  # Qt's own translations: its file dialog and message box buttons in the user's language
  qt6-translations-l10n
)
test_packages=(
  # tests, benchmarks and fuzzers
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the command line's JSON checked against its schema
  python3-jsonschema
  clang libclang-rt-14-dev
  # seeing the program as a user does: virtual display, typing, screenshots
  locales-all
  xvfb xauth xdotool x11-utils imagemagick hyperfine time
  # a real window manager for the end-to-end journey (stacking, activation, frames)
  openbox
  # reading the running program as a screen reader does
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0
  # another desktop's look: the qt6ct platform theme gives a dark palette and other fonts
  qt6ct
  # packaging: the .deb, its checks, the validators, the icon renderer
  dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db librsvg2-bin
)

packages=("${run_packages[@]}")
case "${1:-}" in
  --run) ;;
  "") packages+=("${test_packages[@]}") ;;
  *) echo "usage: $0 [--run]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
