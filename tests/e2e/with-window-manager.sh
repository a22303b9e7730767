#!/bin/sh
# Runs a program on a private X server of the given screen size under a real window manager
# (openbox), as on a player's desktop, and ends both afterwards.
# Usage: with-window-manager.sh <width>x<height> <program> [arguments...]
set -eu
size=$1
shift
. "$(dirname "$0")/../support/desktop.sh"
start_xvfb "$size"
start_openbox
QT_QPA_PLATFORM=xcb timeout 100 "$@"
