#!/usr/bin/env bash
# Reads the real program as a screen reader does: its own Xvfb with openbox, a private D-Bus
# session bus with the accessibility bus on it, and screen_reader.py as the reader.
# Usage: screen_reader_e2e.sh PATH-TO-vellumark9
set -euo pipefail
app=$1
source "$(dirname "$0")/x_session.sh"
source "$(dirname "$0")/a11y_session.sh"

# Debian's own Python, which has the pyatspi bindings.
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$app"
