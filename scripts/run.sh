#!/usr/bin/env bash
# Sets up only what building and running need, builds the programs (no tests,
# no benchmarks) and starts Hensai Navi.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run
scripts/build.sh run
exec build/run/app/hensai-navi "$@"
