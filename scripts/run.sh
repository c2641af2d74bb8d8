#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up only what building and running need, builds the programs (no tests,
# no benchmarks) and starts Hensai Navi.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run
scripts/build.sh run
exec build/run/app/hensai-navi "$@"
