#!/usr/bin/env bash
# The entry as a process: the filters, --help and --version load no Qt library; closed standard
# descriptors are named, never written to; --help and the manual page list the same options;
# and without its window program the entry says so.
# Usage: command_line.sh PATH-TO-vellumark9 PATH-TO-vellumark9.1.in
set -euo pipefail
program=$1 manual=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The dynamic loader lists every library it maps, dlopen's included.
for options in --help --version --encrypt --decrypt "-platform offscreen --version"; do
    # shellcheck disable=SC2086 # the options are words
    echo 'Meet me at nine' | LD_DEBUG=files "$program" $options >/dev/null 2>"$scratch/loaded" || true
    ! grep -q 'file=libQt6' "$scratch/loaded" ||
        fail "'$options' loads Qt: $(grep -o 'file=libQt6[^ ]*' "$scratch/loaded" | sort -u | paste -sd ' ')"
done

# expect STATUS MESSAGE COMMAND...: COMMAND exits with STATUS and says MESSAGE on standard error.
expect() {
    local status=0 wanted=$1 message=$2
    shift 2
    "$@" 2>"$scratch/said" || status=$?
    [ "$status" -eq "$wanted" ] && grep -qF -- "$message" "$scratch/said" ||
        fail "'$*' gave status $status and: $(cat "$scratch/said")"
}
expect 2 "vellumark9: standard input is closed" sh -c "exec '$program' --encrypt <&- >/dev/null"
expect 2 "vellumark9: standard input is closed" sh -c "exec '$program' --decrypt <&- >/dev/null"
expect 2 "vellumark9: standard output is closed" sh -c "exec '$program' --encrypt </dev/null >&-"
expect 2 "vellumark9: standard output is closed" sh -c "exec '$program' --version >&-"
expect 1 "vellumark9: cannot write the output: No space left on device" \
    sh -c "exec '$program' --help >/dev/full"
expect 2 "Try 'vellumark9 --help' for more information." "$program" --no-such-option

# The options --help lists, and those the manual page's OPTIONS section lists, are the same; and
# every Qt option the manual page names is accepted.
"$program" --help | sed -n '/^Options:$/,/^$/p' | grep -o -- '--[a-z][a-z-]*' | sort -u >"$scratch/help"
sed -n '/^\.SH OPTIONS$/,/^\.SH /p' "$manual" | grep -o -- '\\-\\-[a-z][a-z-]*' | tr -d '\\' | sort -u \
    >"$scratch/manual"
[ -s "$scratch/help" ] || fail "--help lists no option"
diff -u --label '--help' --label 'manual page' "$scratch/help" "$scratch/manual" ||
    fail "--help and the manual page list different options"
for qt in $(sed -n '/^\.SH OPTIONS$/,/^\.SH /p' "$manual" | grep -o '^\.B[IR]\? \\-[a-z]*' |
    grep -o '[a-z]*$'); do
    "$program" "-$qt" value --version >/dev/null 2>&1 || "$program" "-$qt" --version >/dev/null ||
        fail "the manual page names -$qt, which the program refuses"
done

# Alone, without the window program beside it.
cp "$program" "$scratch/vellumark9"
expect 127 "vellumark9: cannot start the window: $(dirname "$scratch")" "$scratch/vellumark9"
grep -qF 'vellumark9-window: No such file or directory' "$scratch/said" ||
    fail "the missing window program is not named: $(cat "$scratch/said")"
echo "command line: all checks passed"
