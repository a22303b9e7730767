# Sourced by the tests that play the Windows game under Wine: the zip unpacked into a scratch
# folder, a private X server, and the game started from its folder in the Wine prefix that the
# tests share. Set zip (the packed game) and wine (the wine64 binary) before sourcing.
. "$(dirname "$0")/../e2e/session.sh"
wineserver="$(dirname "$wine")/wineserver"
export WINEDEBUG=-all

# Every Windows program of the prefix goes with its server, before the X server they draw on.
end_wine() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
}
trap 'end_wine; cleanup' EXIT

# Unpacks the zip as a player would, and sets game to the folder it holds.
unpack_game() {
    (cd "$work" && cmake -E tar xf "$zip")
    game=$work/$(basename "$zip" .zip)
}

# The path of a file of this machine as Windows programs under Wine name it.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# The X server comes before any Windows program of the test, even the registry editor: the first
# one starts the prefix's desktop process, which stays on the display it was given.
start_xvfb 1024x768

start_game() {
    start_in "$game" "$wine" orbalux.exe
    [ -n "$(wait_for_window '^Orbalux$' 60)" ] || { echo "FAIL: no game window"; exit 1; }
}

# The main window and every message box share the title.
titled_orbalux() { xdotool search --onlyvisible --name '^Orbalux$' 2>/dev/null | wc -l; }

# Waits for a message box of the game that says exactly $1 and closes it. Its text is copied as
# on Windows, with Ctrl+C, and read back from the clipboard that Wine shares with X.
expect_message() {
    said=""
    for _ in $(seq 100); do
        if [ "$(titled_orbalux)" -ge 2 ]; then
            xdotool key ctrl+c
            said=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r' | sed -n 4p)
            if [ "$said" = "$1" ]; then
                echo "message box: $said"
                xdotool key Return
                wait_until_single_window
                return 0
            fi
        fi
        sleep 0.1
    done
    echo "FAIL: no message box saying \"$1\" (read: \"$said\")"
    exit 1
}

wait_until_single_window() {
    for _ in $(seq 100); do
        [ "$(titled_orbalux)" -eq 1 ] && return 0
        sleep 0.1
    done
    echo "FAIL: a message box stays open"
    exit 1
}

# Fails when a message box is up: what was asked of the game brought none.
expect_no_message() {
    [ "$(titled_orbalux)" -eq 1 ] || { echo "FAIL: a message box came up"; exit 1; }
}

# Without a window manager a window that closes leaves the keyboard to nobody: it is given to
# the window that is to take the keys next.
give_keyboard() { xdotool windowfocus --sync "$1"; }

# Chooses the menu item of access key $2 in the menu of access key $1, by keyboard.
choose() {
    give_keyboard "$(xdotool search --onlyvisible --name '^Orbalux$' | head -n 1)"
    shown=$(visible_windows)
    xdotool key "alt+$1"
    # The menu opens as a window of its own.
    for _ in $(seq 100); do
        [ "$(visible_windows)" -gt "$shown" ] && break
        sleep 0.1
    done
    xdotool key "$2"
}

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

# Waits up to ten seconds for file $1 to appear.
wait_for_file() {
    for _ in $(seq 100); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
