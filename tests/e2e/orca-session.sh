# Shared by the screen-reader tests: the game played by keyboard on a private desktop with
# Debian's Orca listening, and what Orca would say read back from its debug log.
# Source it with program and assets set, then call start_orca_session.
#
# Everything is private: a virtual X server with a window manager (Orca follows focus through
# window activation), a session bus and the accessibility bus on it, and HOME and the XDG
# folders in a scratch folder, so neither the player's settings nor another run are touched.
# Speech stays on, but Orca gets no speech server: with no audio device speech-dispatcher's
# output modules die and Orca stalls, while without a server Orca still logs every sentence.

if [ -z "${ORBALUX_ORCA_WORK:-}" ]; then
    ORBALUX_ORCA_WORK=$(mktemp -d)
    export ORBALUX_ORCA_WORK
    export HOME="$ORBALUX_ORCA_WORK/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
    export XDG_RUNTIME_DIR="$ORBALUX_ORCA_WORK/run"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # dconf would be started on demand and write to the real settings store.
    export GSETTINGS_BACKEND=memory
    unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    export ORBALUX_RUNTIME_DIR="$XDG_RUNTIME_DIR" ORBALUX_SESSION_BUS=1
    trap 'rm -rf "$ORBALUX_ORCA_WORK"' EXIT
    trap 'exit 1' INT TERM HUP
    status=0
    dbus-run-session -- "$0" "$@" || status=$?
    exit $status
fi

. "$(dirname "$0")/../support/desktop.sh"
log="$work/orca.log"

fail() {
    echo "FAIL: $*"
    status=1
}

# Orca refuses to start beside any other Orca of the same user, which would make two test runs
# at once fail; this one is private to its buses, so that check is skipped here alone. Its debug
# log is written line by line, so the test hears each sentence as soon as it is spoken.
start_orca() {
    mkdir -p "$XDG_DATA_HOME/orca"
    cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'EOF'
import orca.settings
orca.settings.enableSpeech = True
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
# There is no braille display, and looking for one only delays start-up.
orca.settings.enableBraille = False
EOF
    /usr/bin/python3 - --debug-file="$log" >"$work/orca.out" 2>&1 <<'EOF' &
import functools, runpy, sys
sys.argv[0] = "orca"
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
launcher["main"].__globals__["open"] = functools.partial(open, buffering=1)
sys.exit(launcher["main"]())
EOF
    track $!
    for _ in $(seq 300); do grep -q "ORCA: Starting registry" "$log" 2>/dev/null && break; sleep 0.1; done
    grep -q "ORCA: Starting registry" "$log" 2>/dev/null || { echo "Orca did not start"; cat "$work/orca.out"; tail -n 20 "$log"; exit 1; }
    grep -q "SPEECH: Not available" "$log" || fail "Orca found a speech server"
}

# Starts the game from a folder holding its pictures and waits for its window.
start_game() {
    program=$(realpath "$program")
    cp "$assets"/*.bmp "$work"/
    start_in "$work" env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
    window=$(wait_for_window '^Orbalux$')
    [ -n "$window" ] || { echo "the game window did not appear"; exit 1; }
}

start_orca_session() {
    # Orca follows the focus through window activation, which takes a window manager.
    start_xvfb
    start_openbox
    start_atspi
    start_orca
    start_game
}

# Every sentence Orca has spoken so far, one a line, oldest first; the log adds the voice after it.
spoken() {
    sed -n "s/^.*SPEECH OUTPUT: '\(.*\)'\( voice=[^{]*\)\? \?{.*$/\1/p" "$log"
}

mark=0
status=0
# Forgets what was said so far: later waits look only at what comes after.
forget_speech() { mark=$(spoken | wc -l); }
said_since_mark() { spoken | tail -n +$((mark + 1)); }

# Waits up to ten seconds for Orca to say a sentence matching the extended pattern $1 after the
# last forget_speech; prints it, or records a failure with what was said instead and goes on.
expect_speech() {
    for _ in $(seq 100); do
        if said_since_mark | grep -Eq -- "$1"; then
            said_since_mark | grep -E -- "$1" | head -n 1 | sed 's/^/  heard: /'
            return 0
        fi
        sleep 0.1
    done
    fail "Orca never said /$1/; it said:"
    said_since_mark | sed 's/^/    /'
}

# Presses keys one by one, each once Orca has said all it had to; a player waits that long too.
press() {
    forget_speech
    for key; do
        xdotool key "$key"
        settle
    done
}

# Waits, up to twenty seconds, until Orca has logged nothing for half a second.
settle() {
    last=-1
    for _ in $(seq 40); do
        now=$(wc -c <"$log")
        [ "$now" = "$last" ] && return 0
        last=$now
        sleep 0.5
    done
}
