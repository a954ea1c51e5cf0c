#!/usr/bin/env bash
# Validates the desktop entry. Debian 12's desktop-file-validate (0.26) is older than the
# SingleMainWindow key, new in version 1.5 of the desktop entry format, and calls it an error;
# that one message is let through, every other one fails.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
require desktop-file-validate desktop-file-utils
output=$(desktop-file-validate "$1" 2>&1 || true)
remaining=$(grep -v 'key "SingleMainWindow" in group "Desktop Entry", but keys extending the format should start with "X-"' <<<"$output" || true)
[ -z "$remaining" ] || { echo "$remaining"; exit 1; }
grep -q '^SingleMainWindow=true$' "$1"
echo "desktop entry valid"
