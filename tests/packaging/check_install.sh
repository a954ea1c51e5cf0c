#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what lands where.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
check_tree "$root"
echo "install tree complete"
