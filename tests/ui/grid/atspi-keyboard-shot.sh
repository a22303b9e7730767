#!/bin/sh
# Inside with-atspi.sh: starts the real program, reads its board over AT-SPI, fires a shot with
# the keyboard alone (the board has the focus at start: Right, then Space), and reads again.
# Usage: atspi-keyboard-shot.sh <program> <asset folder>
set -eu
program=$1
assets=$2
here=$(dirname "$0")
. "$here/../../support/desktop.sh"

cp "$assets"/*.bmp "$work"/
start_in "$work" "$program"
status=0
fail() { echo "FAIL: $*"; status=1; }

"$here/read-board.py" >"$work/before"
sed -n 1p "$work/before"
[ "$(wc -l <"$work/before")" -eq 10 ] || fail "the board has $(wc -l <"$work/before") rows, not 10"
[ "$(sed -n 1p "$work/before")" = "/top left corner$(printf ' | /top border %s' 1 2 3 4 5 6 7 8) | /top right corner" ] ||
    fail "the top row reads wrong"
[ "$(sed -n 5p "$work/before" | cut -d'|' -f5)" = " /row 4, column 4 " ] || fail "field cells read wrong"

window=$(wait_for_window '^Orbalux$')
[ -n "$window" ] || { echo "FAIL: no game window"; exit 1; }
xdotool windowfocus --sync "$window"
xdotool key Right space
shot=yes
entry_after_first_shot "$here/read-board.py" || shot=no
echo "after Right and Space the entry cell reads $entry"
[ $shot = yes ] || fail "the entry cell reads $entry"
exit $status
