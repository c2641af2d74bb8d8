#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cpu-usage.sh SECONDS -- COMMAND [ARGS...]
#
# Starts COMMAND (under the current DISPLAY; wrap the call in scripts/with-display.sh for a headless
# machine), lets it settle for a second, then measures the CPU time (user + system)
# that the command and every process it started use over SECONDS of wall time, and
# prints it as a percentage of one core. The command is ended afterwards.
#
# Ticks of processes that end during the measurement are not counted; the commands
# measured here are single processes.
set -euo pipefail

usage() {
    echo "usage: $0 SECONDS -- COMMAND [ARGS...]" >&2
    exit 2
}

[[ $# -ge 3 ]] || usage
seconds=$1
shift
[[ $1 == "--" ]] || usage
shift
[[ $seconds =~ ^[0-9]+([.][0-9]+)?$ ]] || usage

settle=${CPU_USAGE_SETTLE:-1}
clk_tck=$(getconf CLK_TCK)

# The process and its descendants, found through the parent ids in /proc.
tree_pids() {
    local root=$1
    local -a queue=("$root") found=()
    while [[ ${#queue[@]} -gt 0 ]]; do
        local p=${queue[0]}
        queue=("${queue[@]:1}")
        found+=("$p")
        local c
        for c in $(ps -o pid= --ppid "$p" 2>/dev/null); do
            queue+=("$c")
        done
    done
    echo "${found[@]}"
}

# Ends the command and whatever it started, politely first.
cleanup() {
    local -a tree
    read -r -a tree <<<"$(tree_pids "$pid")"
    kill -TERM "${tree[@]}" 2>/dev/null || true
    local _ p alive
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        alive=0
        for p in "${tree[@]}"; do
            kill -0 "$p" 2>/dev/null && alive=1
        done
        [[ $alive == 1 ]] || break
        sleep 0.2
    done
    kill -KILL "${tree[@]}" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
# utime + stime in clock ticks, summed over the tree. /proc/PID/stat already counts
# every thread of a process. Fields 14 and 15 follow the command name, which may hold
# spaces and parentheses: cut at the last ')'.
tree_ticks() {
    local total=0 p stat rest
    local -a f
    for p in $(tree_pids "$pid"); do
        stat=$(cat "/proc/$p/stat" 2>/dev/null) || continue
        rest=${stat##*) }
        # rest starts at field 3 (state): utime is field 14, stime 15.
        read -r -a f <<<"$rest"
        total=$((total + f[11] + f[12]))
    done
    echo "$total"
}

now() { date +%s.%N; }

"$@" &
pid=$!
trap cleanup EXIT

sleep "$settle"
if ! kill -0 "$pid" 2>/dev/null; then
    echo "cpu-usage: the command ended before the measurement began" >&2
    exit 1
fi

t0=$(now)
c0=$(tree_ticks)
sleep "$seconds"
c1=$(tree_ticks)
t1=$(now)

if ! kill -0 "$pid" 2>/dev/null; then
    echo "cpu-usage: the command ended during the measurement" >&2
    exit 1
fi

awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v hz="$clk_tck" -v cmd="$*" 'BEGIN {
    cpu = (c1 - c0) / hz
    wall = t1 - t0
    printf "%.2f %% of one core (%.2f s CPU over %.2f s) for: %s\n", 100 * cpu / wall, cpu, wall, cmd
}'
