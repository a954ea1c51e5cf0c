#!/usr/bin/env bash
# The filters as whole processes beside base64 on the same input, in one run: one line (start-up
# to exit, and --version); the CPU time of a million ASCII lines of 29 characters, bare and in
# their printable form, beside an earlier build's filters when one is named; and of 100,000 lines
# of interface text in 18 languages (bench/mixed_lines.py). Needs hyperfine and python3.
#   bench/filter_vs_base64.sh [BUILD-DIR] [RUNS] [EARLIER-vellumark9]
set -euo pipefail
build=${1:-build}
runs=${2:-100}
program=$(realpath "$build/bin/vellumark9")
earlier=${3:+$(realpath "$3")}
mixed_lines=$(realpath "$(dirname "$0")/mixed_lines.py")
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
python3 "$mixed_lines" 100000 >mixed.txt
"$program" --encrypt <mixed.txt >mixed-ciphers.txt
rounds=15

# cpu_ratios TITLE COMMAND...: CPU time (user + system) of each command, median of $rounds rounds,
# each running every command once, so that the machine's changes of speed fall on all alike; the
# ratio is the median of each round's ratio to the first command.
cpu_ratios() {
echo "==> $1: CPU time (user + system), median of $rounds rounds; ratios to the first command"
shift
commands=("$@")
rm -f cpu.txt
TIMEFORMAT='%3U %3S'
for ((round = 0; round < rounds; round++)); do
    for index in "${!commands[@]}"; do
        cpu=$({ time eval "${commands[$index]}" >/dev/null; } 2>&1)
        echo "$round $index $cpu" >>cpu.txt
    done
done
median() { sort -g | awk '{ value[NR] = $1 } END { print value[int((NR + 1) / 2)] }'; }
for index in "${!commands[@]}"; do
    ms=$(awk -v i="$index" '$2 == i { print ($3 + $4) * 1000 }' cpu.txt | median)
    ratio=$(awk -v i="$index" '$2 == 0 { base[$1] = $3 + $4 } $2 == i { cpu[$1] = $3 + $4 }
        END { for (r in cpu) printf "%.2f\n", cpu[r] / base[r] }' cpu.txt | median)
    echo "${commands[$index]}: $ms ms CPU, $ratio x the first"
done
}

ascii=("base64 lines.txt" "'$program' --encrypt < lines.txt" "'$program' --decrypt < ciphers.txt"
    "'$program' --encrypt --armor < lines.txt" "'$program' --decrypt < printable.txt")
cpu_ratios "A million ASCII lines of 29 characters" "${ascii[@]}"
if [ -n "$earlier" ]; then
    cpu_ratios "The same, this build against $earlier" "'$earlier' --encrypt < lines.txt" \
        "'$program' --encrypt < lines.txt" "'$earlier' --decrypt < ciphers.txt" \
        "'$program' --decrypt < ciphers.txt"
fi
cpu_ratios "100,000 lines in 18 languages ($(wc -c <mixed.txt) bytes)" "base64 mixed.txt" \
    "'$program' --encrypt < mixed.txt" "base64 mixed.txt" "'$program' --decrypt < mixed-ciphers.txt"
