#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of the program beside a bare Qt window with the same
# controls, each on the same Xvfb with openbox. Build first (scripts/run.sh or test.sh), then:
#   bench/window_footprint.sh [BUILD-DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
idle_seconds=30
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
until [ -s "$scratch/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$scratch/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.05; done

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
            kill -0 "$pid" 2>/dev/null || { echo "$program ended before its window appeared" >&2; exit 1; }
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
    awk -v name="$(basename "$program")" -v ms="$median" -v rss="$rss" -v t="$((ticks1 - ticks0))" \
        -v hz="$hz" -v s="$idle_seconds" \
        'BEGIN {printf "%-12s start to mapped window %4d ms   peak RSS %5.1f MB   idle CPU %.2f%%\n",
                name, ms, rss / 1024, 100 * t / hz / s}'
}

measure "$build/bench/bare_window"
measure "$build/app/vellumark9"
