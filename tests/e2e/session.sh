# Shared by the end-to-end tests: a private X server, the game started in a folder holding
# its pictures, screenshots and pixel reads. Source it with the program and asset folder set.
. "$(dirname "$0")/../support/desktop.sh"

start_game() {
    cp "$assets"/*.bmp "$work"/
    start_xvfb "${1:-1024x768}"
    start_in "$work" env QT_QPA_PLATFORM=xcb "$program"
    [ -n "$(wait_for_window '^Orbalux$')" ] || { echo "FAIL: no game window"; exit 1; }
    sleep 1
}

screenshot() { import -window root "$work/shot.png"; }

pixel() { convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }

# Sets left, top and pitch from the last screenshot for a board of $1 cells a side: the
# border ring is the only aqua on screen, so its bounding box is the board.
find_board() {
    box=$(convert "$work/shot.png" -fill black +opaque "#00FFFF" -fill white -opaque "#00FFFF" -format "%@" info:)
    width=${box%%x*}
    rest=${box#*x}
    height=${rest%%+*}
    left=${rest#*+}
    left=${left%%+*}
    top=${rest##*+}
    pitch=$(((width + $1 - 1) / $1))
    echo "board of $width x $height at $left,$top, cell pitch $pitch"
}
