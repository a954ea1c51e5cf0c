#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of the program beside a bare Qt window with the same
# controls, each on the same Xvfb with openbox. Build first (scripts/run.sh or test.sh), then:
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

# measure PROGRAM: prints the median milliseconds to a mapped window and the last run's peak RSS
# (MB) and idle CPU (% of a core).
measure() {
    local program=$1 times=() run pid start mapped rss ticks0 ticks1
    for ((run = 0; run < runs; run++)); do
        start=$(now_ms)
        "$program" 2>/dev/null &
        pid=$!
        until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || fail "$program ended before its window appeared"
            sleep 0.002
        done
        mapped=$(now_ms)
        times+=($((mapped - start)))
        if ((run == runs - 1)); then
            sleep 1
            ticks0=$(cpu_ticks "$pid")
            sleep "$idle_seconds"
            ticks1=$(cpu_ticks "$pid")
            rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
        fi
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    local hz
    hz=$(getconf CLK_TCK)
    awk -v name="$program" -v ms="$median" -v rss="$rss" -v t="$((ticks1 - ticks0))" \
        -v hz="$hz" -v s="$idle_seconds" \
        'BEGIN {printf "%-28s start to mapped window %4d ms   peak RSS %5.1f MB   idle CPU %.2f%%\n",
                name, ms, rss / 1024, 100 * t / hz / s}'
}

measure "$build/bench/bare_window"
measure "$build/bin/vellumark9"
for other in "${others[@]}"; do measure "$other"; done
