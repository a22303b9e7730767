#!/bin/sh
# Starts the real program natively under a Wayland compositor (weston), reads its board over
# AT-SPI, fires a shot with the keyboard alone (Right, then Space) and reads the board again.
# Weston runs in a window of a private X server, which is only how the keys reach weston's
# seat: the program itself gets no X display.
# Usage: wayland-keyboard-shot.sh <program> <asset folder> <read-board.py>
set -eu
if [ -z "${ORBALUX_SESSION_BUS:-}" ]; then
    ORBALUX_SESSION_BUS=1 exec timeout 110 dbus-run-session -- "$0" "$@"
fi
program=$1
assets=$2
read_board=$3
. "$(dirname "$0")/../support/desktop.sh"
status=0
fail() { echo "FAIL: $*"; status=1; }

start_atspi
start_xvfb
socket=orbalux-wayland
weston --backend=x11-backend.so --shell=kiosk-shell.so --use-pixman --socket=$socket \
    --width=1024 --height=768 --idle-time=0 >"$work/weston.log" 2>&1 &
track $!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log"; echo "FAIL: weston did not start"; exit 1; }
compositor=$(timeout 20 xdotool search --sync --class '^Weston Compositor$' 2>/dev/null | head -n 1)
[ -n "$compositor" ] || { tail "$work/weston.log"; echo "FAIL: no weston window"; exit 1; }

cp "$assets"/*.bmp "$work"/
start_in "$work" env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"

"$read_board" >"$work/before" || { cat "$work/before"; tail "$work/weston.log"; exit 1; }
[ "$(wc -l <"$work/before")" -eq 10 ] || fail "the board has $(wc -l <"$work/before") rows, not 10"
[ -z "$(xdotool search --name '^Orbalux$' 2>/dev/null)" ] || fail "the game opened an X window"

xdotool windowfocus --sync "$compositor"
xdotool key Right space
shot=yes
# The compositor may hand the new window the keyboard only after the board is already readable,
# and keys sent before that are lost. Left then Right ends on the first top border cell whether
# or not the first Right arrived (Left stops at the corner), so the shot is fired there either way.
if ! entry_after_first_shot "$read_board" 50; then
    xdotool windowfocus --sync "$compositor"
    xdotool key Left Right space
    entry_after_first_shot "$read_board" || shot=no
fi
import -window root "$work/shot.png" && cp "$work/shot.png" "${ORBALUX_WAYLAND_SHOT:-/dev/null}"
echo "under Wayland, after Right and Space the entry cell reads $entry"
[ $shot = yes ] || fail "the entry cell reads $entry"
exit $status
