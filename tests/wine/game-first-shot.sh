#!/bin/sh
# Unpacks the Windows zip, starts the game under Wine, fires one shot with the mouse on a border
# cell, and reads the change of that cell off a screenshot.
# Usage: game-first-shot.sh <zip> <wine64>
set -eu
zip=$1
wine=$2
. "$(dirname "$0")/wine-game.sh"
unpack_game
start_game
screenshot
find_board 10
entry_x=$((left + 3 * pitch + 3))
entry_y=$((top + 3))
before=$(pixel "$entry_x" "$entry_y")
[ "$before" = 00FFFF ] || { echo "FAIL: the border cell is $before before the shot, not aqua"; exit 1; }

xdotool mousemove $((left + 3 * pitch + pitch / 2)) $((top + pitch / 2)) click 1
entry=$before
for _ in $(seq 100); do
    screenshot
    entry=$(pixel "$entry_x" "$entry_y")
    [ "$entry" != "$before" ] && break
    sleep 0.1
done
case $entry in
    FF0000 | FFFF00 | 00FF00) echo "the shot's entry cell turned $entry" ;;
    *) echo "FAIL: the entry cell is $entry, not red, yellow or lime"; exit 1 ;;
esac
