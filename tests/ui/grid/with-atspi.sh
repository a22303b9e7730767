#!/bin/sh
# Runs a program with Qt's accessibility switched on as on a desktop with a screen reader: its
# own session bus, the accessibility bus on it, and a virtual X server, all ended afterwards.
# Usage: with-atspi.sh <program> [arguments...]
set -eu
if [ -z "${ORBALUX_SESSION_BUS:-}" ]; then
    ORBALUX_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
launcher_pid=""
xvfb_pid=""
cleanup() {
    [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# The accessibility bus keeps its socket in the runtime folder; a private one keeps runs apart.
XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 100); do bus_up && break; sleep 0.1; done
bus_up || { echo "the accessibility bus did not start"; exit 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
