#!/usr/bin/env bash
# The entry as a process: the filters, --help and --version load no Qt library; closed standard
# descriptors are named, never written to; --help and the manual page list the same options;
# and without its window program the entry says so.
# and without its window program the entry says so. Then its languages: each shipped one chosen
# by LANG or LANGUAGE, English kept under C and en_*, and the pseudo-language, which shows any
# message left unmarked.
# Usage: command_line.sh PATH-TO-vellumark9 PATH-TO-vellumark9.1.in PATH-TO-translations
set -euo pipefail
program=$1 manual=$2 translations=$3
# English for the checks that read messages, whatever the caller's language.
unset LANGUAGE LC_MESSAGES LANG
export LC_ALL=C.UTF-8
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
# speaks ENVIRONMENT USAGE REFUSAL: with ENVIRONMENT (VAR=value...) in place of LC_ALL, --help
# begins with USAGE and an ill-formed line is refused with REFUSAL.
printf 'caf\351\n' >"$scratch/latin1"
speaks() {
    local -a environment
    read -ra environment <<<"$1"
    local said
    said=$(env -u LC_ALL "${environment[@]}" "$program" --help | head -n 1)
    [ "$said" = "$2" ] || fail "with $1, --help begins: $said"
    said=$(env -u LC_ALL "${environment[@]}" "$program" --encrypt <"$scratch/latin1" 2>&1 >/dev/null || true)
    grep -qF -- "$3" <<<"$said" || fail "with $1, the refusal is: $said"
}
english=("Usage: vellumark9 [options]" "line 1: Character 4 of the text is not valid UTF-8")
for setting in "LANG=C" "LANG=C.UTF-8" "LANG=en_US.UTF-8" "LANG=en_GB.UTF-8 LANGUAGE=en_GB"; do
    speaks "$setting" "${english[@]}"
done
# Each shipped language speaks as its catalogue says, chosen by LANG, LANGUAGE or LC_MESSAGES.
said_in() { # LANGUAGE CONTEXT BEGINNING: the catalogue's translation of that text
    python3 "$translations/keys.py" --translation "$translations/po/$1.po" "$2" "$3"
}
locales=$(locale -a)
for language in $(cat "$translations/po/LINGUAS"); do
    usage=$(said_in "$language" CommandLine "Usage: vellumark9 [options]")
    usage=${usage%%$'\n'*} # its first line
    refusal=$(said_in "$language" Filter "line %1: %2")
    refusal=${refusal/\%1/1}
    refusal=${refusal/\%2/$(said_in "$language" Refusal "Character %1 of the text is not valid")}
    refusal=${refusal/\%1/4}
    [ "$usage" != "${english[0]}" ] || fail "$language has no usage line of its own"
    # A UTF-8 locale of the language: de_DE for de, pt_BR for pt_BR, the first there is for ar.
    locale=$(grep -m 1 -x -e "${language}_${language^^}.utf8" -e "$language.utf8" <<<"$locales" ||
        grep -m 1 "^${language}_[A-Z]*\.utf8$" <<<"$locales") || fail "no UTF-8 locale of $language"
    speaks "LANG=$locale" "$usage" "$refusal"
    speaks "LANG=en_US.UTF-8 LANGUAGE=$language" "$usage" "$refusal"
    speaks "LANG=en_US.UTF-8 LC_MESSAGES=$locale" "$usage" "$refusal"
done

# The pseudo-language, beside a copy of the program: every line of --help and of a refusal is
# in it.
mkdir -p "$scratch/pseudo/bin" "$scratch/pseudo/share/locale/en@pseudo/LC_MESSAGES"
cp "$program" "$scratch/pseudo/bin/"
python3 "$translations/pseudo.py" po <"$translations/po/vellumark9.pot" >"$scratch/pseudo.po"
msgfmt -o "$scratch/pseudo/share/locale/en@pseudo/LC_MESSAGES/vellumark9.mo" "$scratch/pseudo.po"
pseudo=(env -u LC_ALL LANG=en_US.UTF-8 LANGUAGE=en@pseudo "$scratch/pseudo/bin/vellumark9")
"${pseudo[@]}" --help | grep -v '^$' | grep -v '⟦' >"$scratch/unmarked" || true
[ ! -s "$scratch/unmarked" ] || fail "--help has lines never marked: $(cat "$scratch/unmarked")"
said=$("${pseudo[@]}" --encrypt <"$scratch/latin1" 2>&1 >/dev/null || true)
[[ $said == *"⟦"*"⟦"* ]] || fail "the refusal is not all marked: $said"
echo "command line: all checks passed"
