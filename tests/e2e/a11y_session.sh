# Sourced after x_session.sh by the screen-reader tests: a private D-Bus session bus with the
# accessibility bus on it, ended with the X session.

dbus-daemon --session --nofork --print-address=3 3>"$scratch/bus" 2>"$scratch/dbus.log" &
pids+=($!)
until_true 10 test -s "$scratch/bus" || fail "the D-Bus session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/at-spi.log" 2>&1 &
pids+=($!)
