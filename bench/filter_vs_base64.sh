#!/usr/bin/env bash
# The filters as whole processes beside base64 on the same input, in one run: one line (start-up
# to exit, and --version), and the CPU time of a million lines of 29 characters, bare and in their
# printable form. Needs hyperfine.
#   bench/filter_vs_base64.sh [BUILD-DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-100}
program=$(realpath "$build/bin/vellumark9")
command -v hyperfine >/dev/null || { echo "needs hyperfine (Debian package hyperfine)" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

echo 'Meet me at nine by the old ox' >line.txt
LC_ALL=C awk 'BEGIN { srand(9); for (n = 0; n < 1000000; n++) { line = "";
    for (c = 0; c < 29; c++) line = line sprintf("%c", 32 + int(rand() * 93)); print line } }' >lines.txt

echo "==> One line, the whole process (hyperfine, $runs runs each, the shell's own start taken off)"
hyperfine --warmup 10 --runs "$runs" --export-json one.json \
    'base64 < line.txt > /dev/null' "'$program' --encrypt < line.txt > /dev/null" \
    "'$program' --version > /dev/null" >/dev/null
jq -r '.results[0].median as $base | .results[] |
    "\(.command): median \(.median * 1000 * 100 | round / 100) ms, \(.median / $base * 100 | round / 100) x base64"' one.json

"$program" --encrypt <lines.txt >ciphers.txt
"$program" --encrypt --armor <lines.txt >printable.txt
echo "==> A million lines of 29 characters: CPU time (user + system), mean of 10 runs each"
hyperfine --warmup 1 --runs 10 --export-json million.json 'base64 lines.txt > /dev/null' \
    "'$program' --encrypt < lines.txt > /dev/null" "'$program' --decrypt < ciphers.txt > /dev/null" \
    "'$program' --encrypt --armor < lines.txt > /dev/null" \
    "'$program' --decrypt < printable.txt > /dev/null" >/dev/null
jq -r '(.results[0].user + .results[0].system) as $base | .results[] | (.user + .system) as $cpu |
    "\(.command): \($cpu * 1000 | round) ms CPU, \($cpu / $base * 100 | round / 100) x base64"' million.json
