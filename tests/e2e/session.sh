# Shared by the end-to-end tests: a private X server, the game started in a folder holding
# its pictures, screenshots and pixel reads. Source it with the program and asset folder set.
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_game() {
    cp "$assets"/*.bmp "$work"/
    # -displayfd picks a free display, so parallel runs never collide.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
    (cd "$work" && QT_QPA_PLATFORM=xcb exec "$program" 2>/dev/null) &
    game_pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name '^Orbalux$' >/dev/null
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
