# Sourced by the end-to-end test and the footprint script: a private X session, Xvfb with
# openbox, that ends with the script. Sets DISPLAY, `scratch` (a folder removed at exit) and
# `pids` (processes killed at exit); add to `pids` what else the script starts.

scratch=$(mktemp -d)
pids=()
end_x_session() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap end_x_session EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# until_true SECONDS COMMAND...: retries COMMAND every 0.1 s until it succeeds.
until_true() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
until_true 10 test -s "$scratch/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$scratch/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
openbox >"$scratch/openbox.log" 2>&1 &
pids+=($!)
until_true 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"
