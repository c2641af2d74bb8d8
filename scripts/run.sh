#!/usr/bin/env bash
# Sets up, builds and starts Hensai Navi.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh default
exec build/default/app/hensai-navi "$@"
