#!/bin/sh
# Inside with-atspi.sh: starts the real program in each of several desktop languages, reads its
# menu bar over AT-SPI, fires a shot by keyboard and hears what it announces, as a screen
# reader would. The language comes from the environment alone, as on a desktop.
# Usage: languages.sh <program> <asset folder>
set -eu
program=$1
assets=$2
here=$(dirname "$0")
. "$here/../support/desktop.sh"

cp "$assets"/*.bmp "$work"/
status=0
fail() { echo "FAIL: $*"; status=1; }

# play <description> <menus expected, one line> <announcement pattern> <environment...>
play() {
    what=$1 menus=$2 pattern=$3
    shift 3
    echo "$what:"
    # Listening before the game starts, so the game knows of the listener from its first moment.
    "$here/read-words.py" announcement "$pattern" >"$work/heard" 2>"$work/listening" &
    listener=$!
    for _ in $(seq 50); do grep -q listening "$work/listening" && break; sleep 0.1; done
    start_in "$work" env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" "$program"
    window=$(wait_for_window '^Orbalux$')
    [ -n "$window" ] || { fail "$what: no game window"; kill $listener; end_started_game; return; }
    "$here/read-words.py" menus >"$work/menus" || true
    shown=$(paste -sd '|' "$work/menus")
    echo "  menus: $shown"
    [ "$shown" = "$menus" ] || fail "$what: the menus read $shown, not $menus"
    xdotool windowfocus --sync "$window"
    xdotool key Right space
    # R says the last announcement again, should the first have gone by unheard.
    for _ in $(seq 10); do
        kill -0 $listener 2>/dev/null || break
        sleep 1
        xdotool key r
    done
    wait $listener || fail "$what: the shot was announced as: $(cat "$work/heard")"
    echo "  heard: $(cat "$work/heard")"
    end_started_game
}

# Ends the game started last, so that the next one is the only Orbalux on the bus.
end_started_game() {
    stop_tree "$game_pid"
    wait "$game_pid" 2>/dev/null || true
}

score='[0-9]+\.$'
play "LANGUAGE=de" "Datei|Kombinieren|Hilfe" "^(Treffer|Reflexion): rein bei oben 1\. Stand $score|^Ablenkung [a-z]: rein bei oben 1, " \
    LANGUAGE=de
play "LANG=fr_FR.UTF-8" "Fichier|Déduire|Aide" "^(Touché|Réflexion).: entré en haut 1\. Score $score|^Déviation [a-z].: entré en haut 1, " \
    LANG=fr_FR.UTF-8
play "LANGUAGE=es:de" "Archivo|Deducir|Ayuda" "^(Impacto|Reflexión): entra por arriba 1\. Tanto $score|^Desvío [a-z]: entra por arriba 1, " \
    LANGUAGE=es:de LANG=de_DE.UTF-8
play "LANGUAGE=en:de" "File|Deduce|Help" "^(Hit|Reflection): in at top 1\. Score $score|^Deflection [a-z]: in at top 1, " \
    LANGUAGE=en:de
play "LANG=C" "File|Deduce|Help" "^(Hit|Reflection): in at top 1\. Score $score|^Deflection [a-z]: in at top 1, " \
    LANG=C
exit $status
