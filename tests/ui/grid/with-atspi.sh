#!/bin/sh
# Runs a program with Qt's accessibility switched on as on a desktop with a screen reader: its
# own session bus, the accessibility bus on it, and a virtual X server, all ended afterwards.
# Usage: with-atspi.sh <program> [arguments...]
set -eu
if [ -z "${ORBALUX_SESSION_BUS:-}" ]; then
    ORBALUX_SESSION_BUS=1 exec timeout 110 dbus-run-session -- "$0" "$@"
fi
. "$(dirname "$0")/../../support/desktop.sh"
start_atspi
start_xvfb
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
