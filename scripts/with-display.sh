#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private virtual display and stops the display afterwards.
# usage: with-display.sh [--screen WxH] command [arguments]
#
# The server picks a free display itself and writes its number once it accepts clients
# (-displayfd). Guessing a free number first, as xvfb-run -a does, races with any other
# display starting on the machine, and the loser's clients end up on a server that is
# not theirs, or on none ("could not connect to display").
# -noreset: by default the server resets when its last client leaves, and a program
# started during that moment cannot connect; tests that start and stop the program one
# copy after another, with no window manager holding on, meet that moment often.
set -euo pipefail
screen=1280x800
if [ "${1:-}" = "--screen" ]; then screen="$2"; shift 2; fi

state=$(mktemp -d)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$state"
}
trap cleanup EXIT

Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "${screen}x24" 3>"$state/display" 2>"$state/log" &
xvfb=$!
for _ in $(seq 400); do
  [ -s "$state/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$state/display" ]; then
  echo "with-display: the virtual display did not start" >&2
  cat "$state/log" >&2
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$state/display")"
unset XAUTHORITY  # the server was started without a cookie; a stale one would only confuse
"$@"
