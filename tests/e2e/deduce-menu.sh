#!/bin/sh
# Inside with-atspi.sh: starts the real program, fires a shot and marks a cell by keyboard,
# then chooses each item of the Deduce menu by its access keys and reads the answer that the
# message box gives, as a screen reader would.
# Usage: deduce-menu.sh <program> <asset folder>
set -eu
program=$1
assets=$2
here=$(dirname "$0")
. "$here/../support/desktop.sh"

cp "$assets"/*.bmp "$work"/
start_in "$work" "$program"
status=0
fail() { echo "FAIL: $*"; status=1; }

window=$(wait_for_window '^Orbalux$')
[ -n "$window" ] || { echo "FAIL: no game window"; exit 1; }
xdotool windowfocus --sync "$window"
# A shot from the top border, then a mark on the field below it.
xdotool key Right space Down Down space
sleep 1

# ask <keys after Alt+D> <file>: chooses the item and keeps what the box says, then closes it.
# Without a window manager nobody gives the focus back when a box closes, so it is taken here.
ask() {
    xdotool windowfocus --sync "$window"
    xdotool key alt+d
    sleep 0.5
    xdotool key "$1"
    timeout 30 "$here/read-message.py" >"$work/$2" || true
    cat "$work/$2"
    xdotool key Return
    sleep 0.5
}

ask e enough
case $(head -n 1 "$work/enough") in
    "Your shots decide the field: only one way of hiding 5 atoms fits them all." | \
    "Your shots do not decide the field yet: more than one way of hiding 5 atoms fits them all.") ;;
    *) fail "Are My Shots Enough? answered: $(head -n 1 "$work/enough")" ;;
esac

ask c marks
case $(head -n 1 "$work/marks") in
    "Your marks agree with every shot on the board." | "Your marks disagree with 1 of your shots.") ;;
    *) fail "Check My Marks answered: $(head -n 1 "$work/marks")" ;;
esac
grep -q "^You have 1 mark for 5 atoms.$" "$work/marks" || fail "Check My Marks did not count the marks"

# Decidable deals on, then a new game through its shortcut: the question, answered Yes.
xdotool windowfocus --sync "$window"
xdotool key alt+d
sleep 0.5
xdotool key d
sleep 0.5
xdotool windowfocus --sync "$window"
xdotool key ctrl+n
timeout 30 "$here/read-message.py" >"$work/question" || true
grep -q "Do you want to start a new game?" "$work/question" || fail "New Game did not ask about the running game"
xdotool key Return
sleep 1
ask e fresh
case $(head -n 1 "$work/fresh") in
    "Your shots do not decide the field yet: more than one way of hiding 5 atoms fits them all.") ;;
    *) fail "a fresh decidable game answered: $(head -n 1 "$work/fresh")" ;;
esac
kill -0 "$game_pid" 2>/dev/null || fail "the game is gone"
exit $status
