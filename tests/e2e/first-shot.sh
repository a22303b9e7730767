#!/bin/sh
# Starts the real program in a real X server from a folder holding its pictures, fires one shot
# with the mouse, and reads the result off a screenshot.
# Usage: first-shot.sh <program> <asset folder>
set -eu
program=$1
assets=$2
. "$(dirname "$0")/session.sh"
start_game
screenshot
find_board 10

xdotool mousemove $((left + 3 * pitch + pitch / 2)) $((top + pitch / 2)) click 1
sleep 1
screenshot

status=0
entry=$(pixel $((left + 3 * pitch + 3)) $((top + 3)))
case $entry in
    FF0000|FFFF00|00FF00) echo "entry cell shows $entry" ;;
    *) echo "FAIL: entry cell is $entry, not red, yellow or lime"; status=1 ;;
esac
for corner in "0 0" "9 0" "0 9" "9 9"; do
    set -- $corner
    colour=$(pixel $((left + $1 * pitch + 3)) $((top + $2 * pitch + 3)))
    [ "$colour" = C0C0C0 ] || { echo "FAIL: corner $corner is $colour"; status=1; }
done
aqua=0
for i in 1 2 3 4 5 6 7 8; do
    for cell in "$i 0" "$i 9" "0 $i" "9 $i"; do
        set -- $cell
        [ "$(pixel $((left + $1 * pitch + 3)) $((top + $2 * pitch + 3)))" = 00FFFF ] && aqua=$((aqua + 1))
    done
done
echo "$aqua of 32 border cells are aqua"
[ "$aqua" -ge 30 ] || { echo "FAIL: the border is not aqua"; status=1; }
exit $status
