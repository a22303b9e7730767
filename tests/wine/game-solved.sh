#!/bin/sh
# Under Wine, marks one cell of a five-atom game with the mouse and presses "Solved!" by keyboard:
# the game refuses in its message box, and goes on with the mark in place afterwards.
# Usage: game-solved.sh <zip> <wine64>
set -eu
zip=$1
wine=$2
. "$(dirname "$0")/wine-game.sh"
unpack_game
start_game
screenshot
find_board 10

xdotool mousemove $((left + 2 * pitch + pitch / 2)) $((top + 2 * pitch + pitch / 2)) click 1
# The board keeps the keyboard after the click; "Solved!" comes just before it in the tab order.
xdotool key shift+Tab space
expect_message "You do not have exactly  5 atoms marked."

xdotool mousemove $((left + 2 * pitch + pitch / 2)) $((top + 2 * pitch + pitch / 2)) click 1
xdotool key shift+Tab space
expect_message "You do not have exactly  5 atoms marked."
