#!/usr/bin/env bash
# --qr as a user meets it: onto a terminal (script(1) gives the program one), each line's QR code
# in half blocks, which a real decoder (zbarimg) reads back to the printable form written under
# it, which decrypts to the line; into a pipe, and without --encrypt, it is refused with status 2.
# Usage: qr_terminal.sh PATH-TO-vellumark9
set -euo pipefail
program=$1
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

line='Meet me at nine, by the old mill'
printf '%s\n' "$line" | script -qec "$program --encrypt --qr" /dev/null | tr -d '\r' >"$scratch/shown"
# The drawing as an image, 4 pixels a half block, each drawn half light and each blank one dark.
python3 - "$scratch/shown" >"$scratch/code.pgm" <<'EOF_IMAGE'
import sys
rows = []
for text in open(sys.argv[1], encoding="utf-8").read().splitlines():
    if text and not set(text) - set("█▀▄ "):
        rows += [[c in "█▀" for c in text], [c in "█▄" for c in text]]
sys.stdout.buffer.write(f"P5 {len(rows[0]) * 4} {len(rows) * 4} 255\n".encode())
for row in rows:
    sys.stdout.buffer.write(bytes(255 if lit else 0 for lit in row for _ in range(4)) * 4)
EOF_IMAGE
read_back=$(zbarimg -q --raw --nodbus "$scratch/code.pgm")
[ "$read_back" = "$(tail -n 1 "$scratch/shown")" ] ||
    fail "the code reads '$read_back', and the form under it is '$(tail -n 1 "$scratch/shown")'"
[ "$(printf '%s\n' "$read_back" | "$program" --decrypt)" = "$line" ] ||
    fail "what the code holds does not decrypt to the line"

# refused MESSAGE COMMAND...: the command ends with status 2 and says MESSAGE.
refused() {
    local said status=0
    said=$(printf 'x\n' | "${@:2}" 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] && grep -qF -- "$1" <<<"$said" || fail "$* ended $status: $said"
}
refused "--qr draws on a terminal only" "$program" --encrypt --qr
refused "--qr goes with --encrypt" "$program" --decrypt --qr
echo "qr terminal: all checks passed"
