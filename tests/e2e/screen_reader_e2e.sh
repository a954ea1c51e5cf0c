#!/usr/bin/env bash
# Reads the real program as a screen reader does: its own Xvfb with openbox, a private D-Bus
# session bus with the accessibility bus on it, and screen_reader.py as the reader.
# Usage: screen_reader_e2e.sh PATH-TO-vellumark9
set -euo pipefail
app=$1
source "$(dirname "$0")/x_session.sh"

dbus-daemon --session --nofork --print-address=3 3>"$scratch/bus" 2>"$scratch/dbus.log" &
pids+=($!)
until_true 10 test -s "$scratch/bus" || fail "the D-Bus session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/at-spi.log" 2>&1 &
pids+=($!)

# Debian's own Python, which has the pyatspi bindings.
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$app"
