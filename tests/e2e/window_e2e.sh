#!/usr/bin/env bash
# Drives the real program from outside, as a user would, on its own Xvfb with openbox:
# encrypt, copy, paste, decrypt, a mixed line with an emoji, the printable form and its QR code,
# the float toggle, the error box and Alt+X.
# Usage: window_e2e.sh PATH-TO-vellumark9
set -euo pipefail
app=$1
source "$(dirname "$0")/x_session.sh"

"$app" 2>"$scratch/app.log" &
app_pid=$!
pids+=("$app_pid")
until_true 10 xdotool search --onlyvisible --class Vellumark9 || fail "the window did not appear"
window=$(xdotool search --onlyvisible --class Vellumark9 | head -n 1)

floats() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
keys() { xdotool key --clearmodifiers --delay 60 "$@"; sleep 0.3; }
clipboard() { xclip -o -selection clipboard; }

floats || fail "the window does not start above the others"
until_true 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" || fail "the window has no focus"

plain='Scramble me, please: 9|30;'
xdotool type --delay 30 "$plain"
keys Return                           # Enter encrypts
keys Tab ctrl+a ctrl+c                # copy the output
cipher=$(clipboard)
[ "${#cipher}" -ge 30 ] || fail "ciphertext too short: ${#cipher} characters"
[ "$cipher" != "$plain" ] || fail "the output is the plaintext"

keys shift+Tab ctrl+a ctrl+v alt+d    # paste into the input and decrypt
keys Tab ctrl+a ctrl+c
[ "$(clipboard)" = "$plain" ] || fail "decrypted '$(clipboard)', expected '$plain'"

# The window and the line filters read each other's ciphertexts.
[ "$(printf '%s\n' "$cipher" | "$app" --decrypt)" = "$plain" ] ||
    fail "the filter did not decrypt the window's ciphertext"
printf '%s' "$(printf '%s\n' "$plain" | "$app" --encrypt)" | xclip -selection clipboard
keys shift+Tab ctrl+a ctrl+v alt+d
keys Tab ctrl+a ctrl+c
[ "$(clipboard)" = "$plain" ] || fail "the window decrypted the filter's ciphertext to '$(clipboard)'"

# A mixed line with an emoji, pasted, goes through the boxes and back, and the filter reads it.
mixed='Grüße — “déjà vu” 😀👍🏽 Привет 中文 }~'
printf '%s' "$mixed" | xclip -selection clipboard
keys shift+Tab ctrl+a ctrl+v Return
keys Tab ctrl+a ctrl+c
cipher=$(clipboard)
keys shift+Tab ctrl+a ctrl+v alt+d
keys Tab ctrl+a ctrl+c
[ "$(clipboard)" = "$mixed" ] || fail "the mixed line came back as '$(clipboard)'"
[ "$(printf '%s\n' "$cipher" | "$app" --decrypt)" = "$mixed" ] ||
    fail "the filter did not decrypt the window's extended ciphertext"

# Copy as Printable Text (Ctrl+Shift+C) after an Encrypt; pasted into the input, it decrypts.
keys shift+Tab ctrl+a BackSpace
xdotool type --delay 30 "$plain"
keys Return ctrl+shift+c
printable=$(clipboard)
[[ $printable =~ ^vm9_[0-9A-Za-z_]+$ ]] || fail "Ctrl+Shift+C copied '$printable'"
# Show as QR Code (Ctrl+Shift+Q): a real decoder reads the code off the screen, and it holds
# that printable form; Esc closes it.
keys ctrl+shift+q
until_true 5 xdotool search --onlyvisible --name '^QR Code$' || fail "no QR code dialog"
import -window "$(xdotool search --onlyvisible --name '^QR Code$' | head -n 1)" "$scratch/code.png"
[ "$(zbarimg -q --raw --nodbus "$scratch/code.png")" = "$printable" ] ||
    fail "the code on the screen does not read as the printable form"
keys Escape
until_true 5 sh -c '! xdotool search --onlyvisible --name "^QR Code$"' || fail "Esc did not close the code"

keys ctrl+a ctrl+v alt+d
keys Tab ctrl+a ctrl+c
[ "$(clipboard)" = "$plain" ] || fail "the printable text decrypted to '$(clipboard)'"

geometry=$(xdotool getwindowgeometry "$window")
keys Tab Tab Tab Tab space            # focus cmdOnTop, press it: Sink
floats && fail "the window still floats after Sink"
keys space                            # Float again
floats || fail "the window does not float after Float"
[ "$(xdotool getwindowgeometry "$window")" = "$geometry" ] || fail "the toggle moved the window"
[ "$(xdotool getactivewindow)" = "$window" ] || fail "the toggle changed the focus"

keys Tab ctrl+a BackSpace alt+d       # Decrypt with an empty input
until_true 5 xdotool search --onlyvisible --name '^Error Occurred$' || fail "no error box"
keys Return
until_true 5 sh -c '! xdotool search --onlyvisible --name "^Error Occurred$"' || fail "the box did not close"

keys alt+x
status=0
timeout 10 tail --pid="$app_pid" -f /dev/null || fail "Alt+X did not end the program"
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "end-to-end: all checks passed"
