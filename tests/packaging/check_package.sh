#!/usr/bin/env bash
# Builds the Debian package as Debian builds its own (dpkg-buildpackage, from a copy of this work
# tree), then checks it: lintian on the .changes, not even a pedantic tag; hardening-check on both
# programs; a second build that differs in folder, day, umask and locale gives byte-identical
# packages; the installed files; and the package's own tests with autopkgtest, installed.
# Usage: check_package.sh (from the top of the work tree, as root or with sudo)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
version=$(dpkg-parsechangelog -S Version)

# The work tree's files: those git tracks or would, or, in a copy without git (as the clean roots
# of scripts/test-in-root.sh hold), every file but the build folders.
tree_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z --cached --others --exclude-standard
    else
        find . \( -path './build*' -o -name node_modules \) -prune -o -type f -printf '%P\0'
    fi
}

# build FOLDER [COMMAND-PREFIX...]: a source package and its binaries from a fresh copy, in FOLDER.
build() {
    local folder=$1 tree
    shift
    tree=$folder/vellumark9-$version
    mkdir -p "$tree"
    tree_files | tar --null -T - -cf - | tar -C "$tree" -xf -
    (cd "$tree" && "$@" dpkg-buildpackage -us -uc >"$folder/build.log" 2>&1) ||
        { tail -n 40 "$folder/build.log"; echo "FAIL: dpkg-buildpackage failed in $folder"; exit 1; }
}

echo "    building the package"
build "$scratch/first" env DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" LC_ALL=C.UTF-8 TZ=UTC
changes=$scratch/first/vellumark9_${version}_$(dpkg --print-architecture).changes
ls "$scratch/first"/*.deb "$scratch/first"/*.dsc >/dev/null

echo "    lintian on $(basename "$changes")"
tags=$(lintian --info --pedantic --display-experimental "$changes" 2>&1 |
    grep -v '^running with root privileges is not recommended!$' || true)
[ -z "$tags" ] || { echo "FAIL: lintian says:"; echo "$tags"; exit 1; }

package=$(ls "$scratch/first"/vellumark9_"$version"_*.deb)
dpkg-deb -x "$package" "$scratch/root"
echo "    hardening-check on both programs"
check_hardening "$scratch/root/usr/bin/vellumark9" "$scratch/root/usr/libexec/vellumark9/vellumark9-window"
check_tree "$scratch/root" "$(dirname "$0")/packaged_files.txt"
[ "$(zcat "$scratch/root/usr/share/doc/vellumark9/changelog.gz" | head -n 1 | cut -d' ' -f2)" = \
    "($version)" ] || { echo "FAIL: the changelog does not begin with $version"; exit 1; }
# The page's own package: the page, made from the same sources, and Debian's documents.
dpkg-deb -x "$scratch/first/vellumark9-web_${version}_all.deb" "$scratch/web"
diff -u <(printf '%s\n' usr/share/doc/vellumark9-web/changelog.gz \
    usr/share/doc/vellumark9-web/copyright usr/share/vellumark9/vellumark9.html) \
    <(cd "$scratch/web" && find . -type f | sed 's|^\./||' | sort) ||
    { echo "FAIL: vellumark9-web holds other files"; exit 1; }
grep -q 'Content-Security-Policy' "$scratch/web/usr/share/vellumark9/vellumark9.html" ||
    { echo "FAIL: the packaged page carries no policy"; exit 1; }

echo "    a second build: another folder, a day later, umask 0002, another locale"
(umask 0002 && build "$scratch/second/elsewhere" env DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" \
    LC_ALL=C TZ=Pacific/Kiritimati faketime -f '+1d')
for first in "$scratch/first"/*.deb; do
    second=$scratch/second/elsewhere/$(basename "$first")
    cmp -s "$first" "$second" || {
        diffoscope --text - "$first" "$second" | head -n 200
        echo "FAIL: $(basename "$first") differs between two builds"
        exit 1
    }
done
echo "    reproducible: $(cd "$scratch/first" && ls ./*.deb | xargs -n1 basename | paste -sd ' ') byte for byte"

echo "    the package's own tests, installed (autopkgtest)"
autopkgtest "$package" "$scratch/first/vellumark9-web_${version}_all.deb" \
    "$scratch/first/vellumark9-$version/" -- null >"$scratch/autopkgtest.log" 2>&1 ||
    { cat "$scratch/autopkgtest.log"; echo "FAIL: autopkgtest"; exit 1; }
awk '/@@@@ summary$/ { on = 1; next } /^autopkgtest \[/ { on = 0 } on { print "    " $0 }' \
    "$scratch/autopkgtest.log"
