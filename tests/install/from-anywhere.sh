#!/bin/sh
# Starts the installed game from an empty folder, as a player starting it from a terminal in
# the home folder would, turns on Trace Shots, fires shots by keyboard and looks for the
# trace pictures on a screenshot: the game found them in its installation's data folder.
# Usage: from-anywhere.sh <prefix the game is installed under>
set -eu
prefix=$1
. "$(dirname "$0")/../support/desktop.sh"

traced_pixels() {
    import -window root "$work/shot.png"
    # The trace pictures are drawn in dark red, which nothing else in the window uses.
    convert "$work/shot.png" -fill black +opaque "#8B0000" -fill white -opaque "#8B0000" \
        -format "%[fx:round(mean*w*h)]" info:
}

mkdir "$work/empty"
start_xvfb
start_in "$work/empty" env QT_QPA_PLATFORM=xcb "$prefix/bin/orbalux"
window=$(wait_for_window '^Orbalux$')
[ -n "$window" ] || { echo "FAIL: the installed game shows no window"; exit 1; }
sleep 1
# Without a window manager nothing gives the window the keyboard unless asked.
xdotool windowfocus --sync "$window"
xdotool key alt+f
sleep 0.5
xdotool key s
settings=$(wait_for_window '^Orbalux Settings$' 10)
[ -n "$settings" ] || { echo "FAIL: no settings window"; exit 1; }
# The dialog is made at its first visit; on a loaded machine keys sent before it holds the
# keyboard would land on the board behind it.
sleep 0.5
xdotool windowfocus --sync "$settings"
# From the atoms bar: grid bar, OK, Cancel, Show numbers, Trace Shots; Enter means OK.
xdotool key Tab Tab Tab Tab Tab space Return
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Orbalux Settings$' >/dev/null 2>&1 || break
    sleep 0.1
done
if xdotool search --onlyvisible --name '^Orbalux Settings$' >/dev/null 2>&1; then
    echo "FAIL: the settings window did not close on Enter"
    exit 1
fi
sleep 0.5
[ "$(traced_pixels)" -eq 0 ] || { echo "FAIL: traces before any shot"; exit 1; }
xdotool windowfocus --sync "$window"
# The board has the focus on its top left corner, and the cells to its right are border cells.
# A shot turned back or absorbed at the edge draws nothing, so a few are fired.
for _ in 1 2 3 4 5 6; do xdotool key Right space; done
for _ in $(seq 50); do
    traced=$(traced_pixels)
    [ "$traced" -gt 0 ] && break
    sleep 0.2
done
echo "$traced pixels of traces after six shots from the empty folder $work/empty"
[ "$traced" -gt 0 ] || { echo "FAIL: the shots drew no trace"; exit 1; }
