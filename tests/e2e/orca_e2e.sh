#!/usr/bin/env bash
# Hears the real program as a blind user does: Orca on a private desktop (Xvfb, openbox, a
# session bus with the accessibility bus), driven from the keyboard. What Orca spoke is read
# back from its debug log after it has ended (it writes the log in blocks), and each step's
# speech is told apart by the log's timestamps.
# Usage: orca_e2e.sh PATH-TO-vellumark9
set -euo pipefail
app=$1
source "$(dirname "$0")/x_session.sh"
source "$(dirname "$0")/a11y_session.sh"

# A home of its own, so that no one's Orca settings take part.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.data \
    XDG_CACHE_HOME=$scratch/home/.cache XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$HOME" -m 700 "$XDG_RUNTIME_DIR"
# Speech goes to libao's null driver: what Orca says is read from its log, and with no sound
# server, or a stuck one, speech-dispatcher would otherwise block and Orca with it.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
echo 'AudioOutputMethod "libao"' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'default_driver=null' >"$HOME/.libao"

accessibility_on() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled |
        grep -q 'boolean true'
}
orca --debug-file="$scratch/orca.log" >"$scratch/orca.out" 2>&1 &
orca_pid=$!
pids+=("$orca_pid")
until_true 30 accessibility_on || fail "Orca did not start"
"$app" 2>"$scratch/app.log" &
app_pid=$!
pids+=("$app_pid")
until_true 10 xdotool search --onlyvisible --class Vellumark9 || fail "the window did not appear"
sleep 5 # Orca presents the new window (slower in the sanitizer build)

steps=()
step() { steps+=("$(date +%H:%M:%S.%6N) $1"); }
keys() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 1.5; }
clipboard() { xclip -o -selection clipboard; }
# The focused box's text, through the clipboard: which box has the focus.
focused_text() { keys ctrl+a ctrl+c; clipboard; }

plain='Meet me at nine'
xdotool type --delay 40 "$plain"
sleep 1
step input-focused
keys Tab shift+Tab
step encrypt
keys Return
step encrypt-again
keys Return
step unheard
[ "$(focused_text)" = "$plain" ] || fail "Encrypt moved the focus out of the input"
keys Tab
cipher=$(focused_text)
keys shift+Tab ctrl+a ctrl+v
step decrypt
keys alt+d
step unheard
[ "$(focused_text)" = "$cipher" ] || fail "Decrypt moved the focus out of the input"
step output-focused
keys Tab

# The same window in Arabic, mirrored, from its input box leftwards.
step arabic-start
kill "$app_pid"
LC_ALL='' LANG=ar_EG.UTF-8 "$app" 2>>"$scratch/app.log" &
pids+=($!)
sleep 5
xdotool type --delay 40 "$plain"
sleep 1
step arabic-tab
keys Tab Tab
step arabic-encrypt
keys shift+Tab shift+Tab Return
step arabic-unheard
keys Tab
arabic_cipher=$(focused_text)
step end

kill -TERM "$orca_pid"
timeout 30 tail --pid="$orca_pid" -f /dev/null || fail "Orca did not end"

# spoken STEP: every text Orca spoke from the start of STEP to the start of the next step.
spoken() {
    local from to
    from=$(printf '%s\n' "${steps[@]}" | awk -v s="$1" '$2 == s { print $1; exit }')
    to=$(printf '%s\n' "${steps[@]}" | awk -v s="$1" 'found { print $1; exit } $2 == s { found = 1 }')
    awk -v from="$from" -v to="$to" '
        $2 == "-" && $3 == "SPEECH" && $4 == "OUTPUT:" && $1 >= from && $1 < to {
            sub(/^[0-9:.]+ - SPEECH OUTPUT: \047/, ""); sub(/\047 ?\{.*$/, ""); print
        }' "$scratch/orca.log"
}
# heard STEP TEXT: Orca spoke TEXT, whole, in STEP.
heard() {
    spoken "$1" | grep -qF -- "$2" ||
        fail "in step $1 Orca did not say '$2'; it said: $(spoken "$1" | paste -sd '|')"
}

# arabic TEXT: what the window's Arabic catalogue says for TEXT (its first form, for a count).
arabic() {
    python3 -c 'import sys, xml.etree.ElementTree as T
print(next(m.findtext("translation/numerusform") or m.findtext("translation")
           for m in T.parse(sys.argv[1]).iter("message") if m.findtext("source") == sys.argv[2]))' \
        "$(dirname "$0")/../../translations/window/vellumark9_ar.ts" "$1"
}
announced="Encrypted: ${#cipher} characters in the output."
heard input-focused "$plain selected."
heard encrypt "$announced"
heard encrypt-again "$announced"
heard decrypt "Decrypted: $plain"
heard output-focused "$plain selected."
heard arabic-start "$(arabic "Input:")"
heard arabic-tab "$(arabic "Output:")"
heard arabic-tab "$(arabic "Encrypt")"
# The announcement in Arabic, with the count in its place: "تم التشفير: في الناتج 30 محرفًا."
heard arabic-encrypt "$(arabic "Encrypted: %1 characters in the output." | cut -d " " -f 1-2) "
heard arabic-encrypt " ${#arabic_cipher} "
echo "orca: all checks passed"
