#!/bin/sh
# Runs a program with Qt's accessibility switched on as on a desktop with a screen reader: its
# own session bus, the accessibility bus on it, and a virtual X server, all ended afterwards.
# Usage: with-atspi.sh <program> [arguments...]
set -eu
if [ -z "${ORBALUX_SESSION_BUS:-}" ]; then
    ORBALUX_SESSION_BUS=1 exec timeout 110 dbus-run-session -- "$0" "$@"
fi
. "$(dirname "$0")/../../support/desktop.sh"
start_atspi() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    track $!
    for _ in $(seq 100); do bus_up && return 0; sleep 0.1; done
    echo "the accessibility bus did not start"
    exit 1
}
bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
start_atspi
start_xvfb
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
