# Shared by the packaging checks.

# require TOOL PACKAGE: skips the check (exit 77) when TOOL is not installed.
require() {
    command -v "$1" >/dev/null || { echo "skipped: $1 is not installed (Debian package $2)"; exit 77; }
}

# expanded_list LIST: the files LIST names, a line with @LANGUAGE@ once for each shipped language.
expanded_list() {
    local languages line language
    languages=$(cat "$(dirname "${BASH_SOURCE[0]}")/../../translations/po/LINGUAS")
    while IFS= read -r line; do
        [[ $line == *@LANGUAGE@* ]] || { echo "$line"; continue; }
        for language in $languages; do echo "${line//@LANGUAGE@/$language}"; done
    done <"$1" | LC_ALL=C sort
}

# check_tree ROOT [LIST]: the files under ROOT are exactly those LIST names (by default those a
# plain install lays out), and the program runs.
check_tree() {
    local root=$1 expected=${2:-"$(dirname "${BASH_SOURCE[0]}")/expected_files.txt"}
    diff -u <(expanded_list "$expected") <(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) ||
        { echo "FAIL: the installed files differ from $expected"; exit 1; }
    [ -x "$root/usr/bin/vellumark9" ] || { echo "FAIL: usr/bin/vellumark9 is not executable"; exit 1; }
    grep -q '^Icon=org.vellum41.Vellumark9$' "$root/usr/share/applications/org.vellum41.Vellumark9.desktop" ||
        { echo "FAIL: the desktop entry does not name the installed icon"; exit 1; }
    for page in "$root"/usr/share/man/man1/vellumark9.1.gz "$root"/usr/share/man/*/man1/vellumark9.1.gz; do
        check_manual_page "$page"
    done
    check_command_line "$root/usr/bin/vellumark9"
    check_filters "$root/usr/bin/vellumark9"
}

# check_manual_page PAGE: man renders it without a warning. As lintian does, it lets pass the two
# that only say a line could not be filled: groff breaks lines at spaces, which Japanese and
# Chinese do not write, so it fills their lines as well as it can and says so.
check_manual_page() {
    require man man-db
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 >/dev/null |
        grep -v -E "warning( \[[^]]*\])?: (cannot adjust|can't break) line$" || true)
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
    [ "$status" -eq 2 ] && grep -q "unrecognized option '--no-such-option'" <<<"$out" ||
        { echo "FAIL: an unknown option gave status $status and: $out"; exit 1; }
}

# check_filters PROGRAM: --encrypt and --decrypt through real pipes, without a display; their
# refusals, each naming its line; and the two terminal cases on a pseudo-terminal (script(1)).
check_filters() {
    local program=$1 scratch out status
    local -a no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
    scratch=$(mktemp -d)
    # Every accepted code, in two lines of at most 109; CRLF; an empty line; no LF at the end.
    LC_ALL=C awk 'BEGIN { for (c = 14; c <= 124; c++) printf "%c%s", c, (c == 69 ? "\r\n" : "");
        printf "\r\n\nMeet me at nine" }' >"$scratch/in"
    { head -c 56 "$scratch/in"; echo; tail -c +59 "$scratch/in" | head -c 55; printf '\n\nMeet me at nine\n'; } \
        >"$scratch/lines"
    "${no_display[@]}" "$program" --encrypt <"$scratch/in" >"$scratch/cipher"
    [ "$(wc -l <"$scratch/cipher")" -eq 4 ] && [ -z "$(LC_ALL=C tr -d '\016-\177\n' <"$scratch/cipher")" ] ||
        { echo "FAIL: --encrypt wrote other than 4 lines of codes 14 to 127"; exit 1; }
    "${no_display[@]}" "$program" --decrypt <"$scratch/cipher" | cmp -s - "$scratch/lines" ||
        { echo "FAIL: the lines did not come back through --decrypt"; exit 1; }
    # Lines no earlier build carried: a tab, } and ~, letters, quotes and an emoji, a long line.
    printf 't\tab }~\nGr\303\274\303\237e \342\200\224 \342\200\234ok\342\200\235 \360\237\230\200\n%0300d\n' 0 \
        >"$scratch/unicode"
    "${no_display[@]}" "$program" --encrypt <"$scratch/unicode" | "$program" --decrypt |
        cmp -s - "$scratch/unicode" || { echo "FAIL: the Unicode lines did not come back"; exit 1; }
    printf 'caf\351\n' >"$scratch/latin1"
    { head -n 1 "$scratch/cipher"; echo x; } >"$scratch/damaged"
    "$program" --encrypt <"$scratch/unicode" | head -n 3 | cut -c 1-100 >"$scratch/cut"
    expect_refusal "$program --encrypt" latin1 0 "line 1: Character 4 of the text is not valid UTF-8"
    expect_refusal "$program --decrypt" damaged 1 "line 2: Error deciphering encrypted data."
    expect_refusal "$program --decrypt" cut 2 "line 3: The encrypted text is damaged: it has been cut short."
    status=0
    "$program" --encrypt --decrypt </dev/null 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || { echo "FAIL: --encrypt --decrypt gave status $status"; exit 1; }
    status=0
    out=$(script -qec "$program --encrypt </dev/null" /dev/null) || status=$?
    [ "$status" -eq 1 ] && grep -q 'not written to a terminal' <<<"$out" && grep -q -- '--armor' <<<"$out" ||
        { echo "FAIL: --encrypt onto a terminal gave status $status and: $out"; exit 1; }
    # With --armor, the printable form goes to the terminal, and reads back through --decrypt.
    out=$(script -qec "$program --encrypt --armor <'$scratch/lines'" /dev/null | tr -d '\r')
    [ "$(grep -c '^vm9_[0-9A-Za-z_]*$' <<<"$out")" -eq 4 ] ||
        { echo "FAIL: --encrypt --armor onto a terminal showed: $out"; exit 1; }
    "$program" --decrypt <<<"$out" | cmp -s - "$scratch/lines" ||
        { echo "FAIL: the printable lines did not come back through --decrypt"; exit 1; }
    printf '\016|x\037\n' | "$program" --encrypt >"$scratch/controls"
    out=$(script -qec "$program --decrypt <'$scratch/controls'" /dev/null)
    [ "$out" = $'^N|x^_\r' ] || { echo "FAIL: --decrypt onto a terminal showed: $(od -c <<<"$out")"; exit 1; }
    rm -rf "$scratch"
}

# expect_refusal COMMAND INPUT LINES-BEFORE MESSAGE: COMMAND, fed the file INPUT in check_filters'
# scratch folder, exits with status 1 and MESSAGE on standard error, having written exactly
# LINES-BEFORE lines.
expect_refusal() {
    local status=0 written
    written=$($1 <"$scratch/$2" 2>"$scratch/error" | wc -l) || status=$?
    [ "$status" -eq 1 ] && [ "$written" -eq "$3" ] && grep -qF "vellumark9: $4" "$scratch/error" ||
        { echo "FAIL: '$1' on $2 gave status $status, $written lines and: $(cat "$scratch/error")"; exit 1; }
}

# check_hardening PROGRAM...: hardening-check passes every line that can hold here. Two cannot:
# control-flow integrity (CET) where the C library's start files carry no IBT/SHSTK marking, as
# on Debian 12 and 13, since no program linked with them can carry one, however it is compiled;
# and branch protection, an AArch64 feature, which Debian 13's hardening-check asks of every
# architecture.
check_hardening() {
    local -a options=()
    local notes usage
    # Read whole before grep: with pipefail, grep -q ending early would fail the writer.
    notes=$(readelf -n /usr/lib/"$(dpkg-architecture -qDEB_HOST_MULTIARCH)"/Scrt1.o 2>&1 || true)
    usage=$(hardening-check --help 2>&1 || true)
    if ! grep -q 'x86 feature: IBT, SHSTK' <<<"$notes"; then
        options+=(--nocfprotection)
        echo "    (control flow integrity left out: this C library carries no CET marking)"
    fi
    if [ "$(dpkg --print-architecture)" != arm64 ] && grep -q -- --nobranchprotection <<<"$usage"; then
        options+=(--nobranchprotection)
        echo "    (branch protection left out: it is an AArch64 feature)"
    fi
    hardening-check "${options[@]}" "$@" || { echo "FAIL: hardening-check"; exit 1; }
}
