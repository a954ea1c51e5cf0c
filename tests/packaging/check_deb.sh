#!/usr/bin/env bash
# Builds the Debian package and unpacks it into a scratch root, as dpkg would install it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
require dpkg-shlibdeps dpkg-dev
require file file # cpack finds the binaries to pass to dpkg-shlibdeps with it
require lintian lintian
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
package=$(ls "$scratch"/vellumark9_*.deb)
[ "$(dpkg-deb -f "$package" Version)" = 1.0.8 ] || { echo "FAIL: wrong version"; exit 1; }
[ "$(dpkg-deb -f "$package" Section)" = utils ] || { echo "FAIL: wrong section"; exit 1; }
dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6' ||
    { echo "FAIL: the dependencies do not name Qt: $(dpkg-deb -f "$package" Depends)"; exit 1; }
[ "$(dpkg-deb -f "$package" Recommends)" = qt6-wayland ] ||
    { echo "FAIL: the package does not recommend qt6-wayland"; exit 1; }
# Every tag, down to the informational and pedantic ones, fails the check.
tags=$(lintian --info --pedantic --display-experimental "$package" 2>&1 |
    grep -v '^running with root privileges is not recommended!$' || true)
[ -z "$tags" ] || { echo "FAIL: lintian says:"; echo "$tags"; exit 1; }
dpkg-deb -x "$package" "$scratch/root"
check_tree "$scratch/root"
[ "$(zcat "$scratch/root/usr/share/doc/vellumark9/changelog.gz" | head -n 1 | cut -d' ' -f2)" = \
    "(1.0.8)" ] || { echo "FAIL: the changelog does not begin with this version"; exit 1; }
echo "package $(basename "$package") complete"
