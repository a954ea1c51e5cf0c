#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of the program beside a bare Qt window with the same
# controls, each on the same Xvfb with openbox: the median of RUNS starts, then one more start of
# each for its peak memory and its CPU time over 30 idle seconds. Build first with the benchmarks
# (cmake --preset dev, or scripts/test.sh), then:
#   bench/window_footprint.sh [BUILD-DIR] [RUNS] [OTHER-PROGRAM...]
# OTHER-PROGRAMs, such as an earlier build's, are measured in the same run.
set -euo pipefail
build=${1:-build}
runs=${2:-10}
others=("${@:3}")
idle_seconds=30
source "$(dirname "$0")/../tests/e2e/x_session.sh"

now_ms() { date +%s%3N; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# start PROGRAM: starts it and waits for its window; leaves its process id in `pid` and the
# milliseconds its window took in `took`.
start() {
    local program=$1 started
    started=$(now_ms)
    "$program" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || fail "$program ended before its window appeared"
        sleep 0.002
    done
    took=$(($(now_ms) - started))
}

stop() {
    kill "$1"
    wait "$1" 2>/dev/null || true
}

# The programs take turns, one start each a round, so that the machine's changes of speed fall on
# all of them alike.
programs=("$build/bench/bare_window" "$build/bin/vellumark9" "${others[@]}")
times=$scratch/times
for ((run = 0; run < runs; run++)); do
    for index in "${!programs[@]}"; do
        start "${programs[$index]}"
        stop "$pid"
        echo "$index $took" >>"$times"
    done
done

hz=$(getconf CLK_TCK)
for index in "${!programs[@]}"; do
    program=${programs[$index]}
    median=$(awk -v i="$index" '$1 == i { print $2 }' "$times" | sort -n |
        awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
    start "$program"
    sleep 1
    ticks0=$(cpu_ticks "$pid")
    sleep "$idle_seconds"
    ticks1=$(cpu_ticks "$pid")
    rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    stop "$pid"
    awk -v name="$program" -v ms="$median" -v rss="$rss" -v t="$((ticks1 - ticks0))" \
        -v hz="$hz" -v s="$idle_seconds" \
        'BEGIN {printf "%-28s start to mapped window %4d ms   peak RSS %5.1f MB   idle CPU %.2f%%\n",
                name, ms, rss / 1024, 100 * t / hz / s}'
done
