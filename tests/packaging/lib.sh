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
    check_manual_page "$root/usr/share/man/man1/vellumark9.1.gz"
    check_command_line "$root/usr/bin/vellumark9"
}

# check_manual_page PAGE: man renders it without a single warning.
check_manual_page() {
    require man man-db
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "FAIL: man warns about $1:"; echo "$warnings"; exit 1; }
}

# check_command_line PROGRAM: --version and --help answer without a display, Qt's own options
# pass, and anything else is refused with status 2.
check_command_line() {
    local program=$1 out status
    local -a no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
    out=$("${no_display[@]}" "$program" --version)
    [ "$(head -n 1 <<<"$out")" = "Vellumark9 1.0.8" ] || { echo "FAIL: --version printed: $out"; exit 1; }
    out=$("${no_display[@]}" "$program" -platform offscreen -style=fusion --help)
    grep -q '^Usage: .*vellumark9 \[options\]$' <<<"$out" && grep -q -- '--version' <<<"$out" &&
        grep -q 'not encryption' <<<"$out" || { echo "FAIL: --help printed: $out"; exit 1; }
    status=0
    out=$("${no_display[@]}" "$program" --no-such-option 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] && grep -q "Unknown option 'no-such-option'" <<<"$out" ||
        { echo "FAIL: an unknown option gave status $status and: $out"; exit 1; }
}
