# Shared by the packaging checks.

# require TOOL PACKAGE: skips the check (exit 77) when TOOL is not installed.
require() {
    command -v "$1" >/dev/null || { echo "skipped: $1 is not installed (Debian package $2)"; exit 77; }
}

# check_tree ROOT: the files under ROOT are exactly the expected ones, and the program runs.
check_tree() {
    local root=$1 expected
    expected="$(dirname "${BASH_SOURCE[0]}")/expected_files.txt"
    diff -u "$expected" <(cd "$root" && find . -type f | sed 's|^\./||' | sort) ||
        { echo "FAIL: the installed files differ from $expected"; exit 1; }
    [ -x "$root/usr/bin/vellumark9" ] || { echo "FAIL: usr/bin/vellumark9 is not executable"; exit 1; }
    grep -q '^Icon=org.vellum41.Vellumark9$' "$root/usr/share/applications/org.vellum41.Vellumark9.desktop" ||
        { echo "FAIL: the desktop entry does not name the installed icon"; exit 1; }
}
