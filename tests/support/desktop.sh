# Sourced by every test script that starts the real program or a display for it. Gives a
# scratch folder, servers that end with the test, and no session bus unless the test brings a
# private one (ORBALUX_SESSION_BUS set by dbus-run-session's child): a program without a bus
# would autolaunch a daemon that outlives the test and that strace -f waits for forever.
work=$(mktemp -d)
started=""
# The game speaks the desktop's language; the tests read today's English unless they choose.
unset LANGUAGE LC_ALL LC_MESSAGES
LANG=C.UTF-8
export LANG
[ -n "${ORBALUX_SESSION_BUS:-}" ] || DBUS_SESSION_BUS_ADDRESS=disabled:
export DBUS_SESSION_BUS_ADDRESS
# A private runtime folder too (sockets of Wayland and the accessibility bus live there), shared
# with a test script that this one runs.
if [ -z "${ORBALUX_RUNTIME_DIR:-}" ]; then
    ORBALUX_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$ORBALUX_RUNTIME_DIR"
fi
XDG_RUNTIME_DIR=$ORBALUX_RUNTIME_DIR
export ORBALUX_RUNTIME_DIR XDG_RUNTIME_DIR

# Remembers a process to end on exit; the newest is ended first.
track() { started="$1 $started"; }

alive() { [ -e "/proc/$1" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

# Children before their parents, so each is reaped by a parent still alive to do it: the
# accessibility bus starts daemons of its own, which would be left behind otherwise.
stop_tree() {
    for child in $(pgrep -P "$1"); do stop_tree "$child"; done
    kill "$1" 2>/dev/null || true
}

end_started() {
    for pid in $started; do stop_tree "$pid"; done
    for _ in $(seq 50); do
        left=""
        for pid in $started; do alive "$pid" && left="$left $pid"; done
        [ -z "$left" ] && break
        sleep 0.1
    done
    for pid in $started; do kill -9 "$pid" 2>/dev/null || true; done
    started=""
}

cleanup() {
    end_started
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Starts a private X server of the given screen size (default 1024x768) and exports DISPLAY.
start_xvfb() {
    # -displayfd picks a free display, so parallel runs never collide; a server that loses a
    # race for its display with another one starting at the same moment is started again.
    for _ in 1 2 3; do
        rm -f "$work/display"
        # -noreset: the server must not reset between a probe and the next client.
        Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
        xvfb_pid=$!
        track $xvfb_pid
        for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
        DISPLAY=":$(cat "$work/display" 2>/dev/null)"
        export DISPLAY
        for _ in $(seq 50); do
            alive $xvfb_pid || break
            xprop -root >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill $xvfb_pid 2>/dev/null || true
    done
    echo "FAIL: Xvfb did not start"
    exit 1
}

# Starts openbox on the X server and waits until it manages windows.
start_openbox() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    track $!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "FAIL: openbox did not start"
    cat "$work/openbox.log"
    exit 1
}

# Starts the accessibility bus on the session bus (run under dbus-run-session) and waits for it.
start_atspi() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    track $!
    for _ in $(seq 100); do atspi_up && return 0; sleep 0.1; done
    echo "FAIL: the accessibility bus did not start"
    exit 1
}
atspi_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

# Starts the program in folder with the given arguments, in the background; sets game_pid.
start_in() {
    folder=$1
    shift
    (cd "$folder" && exec "$@") &
    game_pid=$!
    track "$game_pid"
}

# Prints the id of the first visible window whose name matches, waiting up to $2 seconds (20).
wait_for_window() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# After Right and Space on a fresh board, waits until read_board (a program printing the board
# row by row, as read-board.py does) shows a shot in the first top border cell, then sets entry
# to what that cell reads and says whether it reads as a shot's result. $2 is how many tenths
# of a second to wait (200).
entry_after_first_shot() {
    # The keys reach the program in its own time; the cell reads as a bare border until then.
    for _ in $(seq "${2:-200}"); do
        "$1" >"$work/after"
        entry=$(sed -n 1p "$work/after" | cut -d'|' -f2 | sed 's/^ *//; s/ *$//')
        [ "$entry" != "/top border 1" ] && break
        sleep 0.1
    done
    case $entry in
        "H/top border 1, hit" | "R/top border 1, reflection" | [a-z]"/top border 1, deflection "[a-z]", comes out at "*) ;;
        *) return 1 ;;
    esac
}
