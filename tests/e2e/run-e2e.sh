#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one end-to-end script against the real program on a private virtual display,
# with a private session bus (for the accessibility tree) and a fresh runtime folder
# (for the single-instance lock).
# usage: run-e2e.sh <script.py> <hensai-navi binary> [output folder [more arguments for the script]]
set -euo pipefail
script="$1"; binary="$2"; out="${3:-}"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LANG=C.UTF-8
unset QT_QPA_PLATFORM
here="$(cd "$(dirname "$0")" && pwd)"
"$here/../../scripts/with-display.sh" --screen "${E2E_SCREEN:-1280x800}" \
  dbus-run-session -- /usr/bin/python3 "$script" "$binary" "$out" "${@:4}"
