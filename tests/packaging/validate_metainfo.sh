#!/usr/bin/env bash
set -euo pipefail
source "$(dirname "$0")/lib.sh"
require appstreamcli appstream
appstreamcli validate --no-net "$1"
