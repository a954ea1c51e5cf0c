#!/usr/bin/env bash
# How the window copes with a paste of a million characters, on Xvfb with openbox: the paste
# itself, the refusal box that Encrypt then brings up, one more character typed at the end of the
# line (Qt lays the whole line out again on every edit), and clearing the box and encrypting a
# short line. Build first (scripts/run.sh, cmake --preset dev or scripts/test.sh), then:
#   bench/window_long_paste.sh [BUILD-DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
source "$(dirname "$0")/../tests/e2e/x_session.sh"

now_ms() { date +%s%3N; }
keys() { xdotool key --clearmodifiers "$@"; }
# Whether the program owns SELECTION: it answers a TARGETS request only between two events, so
# an answer also says that it has handled every key sent before.
program_owns() { xclip -o -selection "$1" -t TARGETS 2>/dev/null | grep -q '^text/plain$'; }
wait_for() { until "$@"; do sleep 0.005; done; }
error_box() { xdotool search --onlyvisible --name '^Error Occurred$' >/dev/null 2>&1; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

head -c 1000000 /dev/zero | tr '\0' 'a' >"$scratch/million"
paste_ms=() refusal_ms=() edit_ms=() recovery_ms=()
for ((run = 0; run < runs; run++)); do
    xclip -quiet -selection clipboard "$scratch/million" 2>/dev/null &
    clip=$!
    xclip -selection primary -i /dev/null # nobody owns the primary selection now
    "$build/bin/vellumark9" 2>/dev/null &
    app=$!
    until_true 10 xdotool search --onlyvisible --pid "$app" || fail "the window did not appear"
    sleep 1

    start=$(now_ms)
    keys ctrl+v ctrl+a
    wait_for program_owns primary
    paste_ms+=($(($(now_ms) - start)))

    start=$(now_ms)
    keys Return
    wait_for error_box
    refusal_ms+=($(($(now_ms) - start)))
    keys Return
    until_true 5 sh -c '! xdotool search --onlyvisible --name "^Error Occurred$"'

    xclip -selection primary -i /dev/null
    start=$(now_ms)
    keys End b ctrl+a
    wait_for program_owns primary
    edit_ms+=($(($(now_ms) - start)))

    start=$(now_ms)
    keys ctrl+a BackSpace
    xdotool type --delay 1 'short line'
    keys Return Tab ctrl+a ctrl+c
    wait_for program_owns clipboard
    recovery_ms+=($(($(now_ms) - start)))
    [ "$(xclip -o -selection clipboard | wc -c)" -ge 30 ] || fail "no ciphertext in the output"

    kill "$app" "$clip" 2>/dev/null || true
    wait "$app" "$clip" 2>/dev/null || true
done

echo "median of $runs runs, milliseconds:"
echo "  paste 1,000,000 characters (and select them)  $(printf '%s\n' "${paste_ms[@]}" | median)"
echo "  Encrypt until the refusal box is up            $(printf '%s\n' "${refusal_ms[@]}" | median)"
echo "  type one more character (and select all)      $(printf '%s\n' "${edit_ms[@]}" | median)"
echo "  clear, type 'short line' and encrypt           $(printf '%s\n' "${recovery_ms[@]}" | median)"
