#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time (seconds, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/setup.sh
scripts/build.sh fuzz
shopt -s nullglob
ran=0
for f in build/fuzz/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  # libFuzzer refuses a corpus folder that does not exist: pass the seeds only when there are some.
  dirs=("$corpus")
  if [ -d "fuzz/seeds/$name" ]; then dirs+=("fuzz/seeds/$name"); fi
  echo "fuzz: $name for ${seconds}s"
  "$f" -max_total_time="$seconds" -print_final_stats=1 "${dirs[@]}" 2>&1 | tail -n 12
  ran=$((ran + 1))
done
echo "fuzz: $ran fuzzers ran clean"
