#!/usr/bin/env bash
# The entry starts the window program in its own place, with Qt's options reaching Qt, and
# where Qt cannot open the window the user gets its reason and status 1, not a crash.
# Usage: window_start.sh PATH-TO-vellumark9
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT

# No display at all, so only -platform offscreen can open the window.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM QT_QPA_OFFSCREEN_NO_GLX=1 \
    "$program" -platform offscreen 2>"$scratch/log" &
pid=$!
for _ in $(seq 100); do
    grep -q libqoffscreen "/proc/$pid/maps" 2>/dev/null && break
    sleep 0.1
done
grep -q libqoffscreen "/proc/$pid/maps" || fail "the window did not start offscreen: $(cat "$scratch/log")"
[ "$(basename "$(readlink "/proc/$pid/exe")")" = vellumark9-window ] ||
    fail "the window runs as $(readlink "/proc/$pid/exe"), not as the window program"
tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q -- '-platform offscreen' ||
    fail "the window was given: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
kill "$pid"
pid=

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>"$scratch/log" || status=$?
[ "$status" -eq 1 ] && grep -q '^vellumark9: the window cannot start: ' "$scratch/log" ||
    fail "with no display the program gave status $status and: $(cat "$scratch/log")"
echo "window start: all checks passed"
