#!/bin/sh
# Opens File > Settings in the real program, moves the grid bar from 8 to 10 by keyboard,
# presses OK, answers Yes, and measures the new board on a screenshot.
# Usage: settings-resize.sh <program> <asset folder>
set -eu
program=$1
assets=$2
. "$(dirname "$0")/session.sh"
start_game
screenshot
find_board 10
before=$pitch

# Without a window manager nothing gives the window the keyboard unless asked.
xdotool search --onlyvisible --name '^Orbalux$' windowfocus --sync
xdotool key alt+f
sleep 0.5
xdotool key s
timeout 10 xdotool search --sync --name '^Orbalux Settings$' >/dev/null
sleep 0.5
# The atoms bar has the focus; the grid bar is next in the tab order.
xdotool key Tab Right Right Return
sleep 1
xdotool key Return
sleep 1.5
screenshot
box=$(convert "$work/shot.png" -fill black +opaque "#00FFFF" -fill white -opaque "#00FFFF" -format "%@" info:)
width=${box%%x*}
cells=$(((width + before / 2) / before))
echo "the board is now $cells cells wide"
[ "$cells" -eq 12 ] || { echo "FAIL: expected a 10 by 10 field, 12 cells with its border"; exit 1; }
