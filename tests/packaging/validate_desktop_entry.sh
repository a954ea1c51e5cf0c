#!/usr/bin/env bash
# Validates the desktop entry with the validator of the system it is installed on: every
# message fails the check.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
require desktop-file-validate desktop-file-utils
output=$(desktop-file-validate "$1" 2>&1) || true
[ -z "$output" ] || { echo "$output"; exit 1; }
echo "desktop entry valid"
