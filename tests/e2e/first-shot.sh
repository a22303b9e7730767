#!/bin/sh
# Starts the real program in a real X server from a folder holding its pictures, fires one shot
# with the mouse, and reads the result off a screenshot.
# Usage: first-shot.sh <program> <asset folder>
set -eu
program=$1
assets=$2
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$assets"/*.bmp "$work"/
# -displayfd picks a free display, so parallel runs never collide.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY

(cd "$work" && QT_QPA_PLATFORM=xcb exec "$program") &
game_pid=$!
timeout 20 xdotool search --sync --name '^Orbalux$' >/dev/null
sleep 1

pixel() { convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }

# The border ring is the only aqua on screen, so its bounding box is the board.
import -window root "$work/shot.png"
box=$(convert "$work/shot.png" -fill black +opaque "#00FFFF" -fill white -opaque "#00FFFF" -format "%@" info:)
width=${box%%x*}
rest=${box#*x}
left=${rest#*+}
left=${left%%+*}
top=${rest##*+}
pitch=$(((width + 9) / 10))
echo "board at $left,$top, cell pitch $pitch"

xdotool mousemove $((left + 3 * pitch + pitch / 2)) $((top + pitch / 2)) click 1
sleep 1
import -window root "$work/shot.png"

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
