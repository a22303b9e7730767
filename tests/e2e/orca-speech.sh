#!/bin/sh
# Plays one whole game by keyboard alone with Orca listening, as a blind player would, and checks
# what Orca says: the cell on entering the board, the place of every cell moved to, every shot's
# outcome and score, every mark with its count, the last announcement again on R, and the result.
# The game's atoms fall the same way each time: (1,2), (3,2), (5,8), (7,3) and (7,6).
# Usage: orca-speech.sh <seeded game program> <asset folder>
set -eu
program=$1
assets=$2
. "$(dirname "$0")/orca-session.sh"
start_orca_session
settle

echo "Start:"
expect_speech '^top left corner\.$'

echo "A corner refused, then back on the board:"
press space
expect_speech "^Don't select corner cells, silly!$"
press Return
expect_speech '^top left corner\.$'

echo "Moves, a reflection, a hit and a deflection:"
press Right
expect_speech '^top border 1\.$'
press space
expect_speech '^notification Reflection: in at top 1\. Score 1\.$'
press Right space
expect_speech '^notification Hit: in at top 2\. Score 2\.$'
press Left Left Down Down Down Down
expect_speech '^left border 4\.$'
press space
expect_speech '^notification Deflection a: in at left 4, out at bottom 1\. Score 4\.$'
press r
expect_speech '^notification Deflection a: in at left 4, out at bottom 1\. Score 4\.$'

echo "Marks:"
press Right Right Up
expect_speech '^row 3, column 2\.$'
press space
expect_speech '^notification Marked row 3, column 2\. 1 of 5 marked\.$'
press space
expect_speech '^notification Unmarked row 3, column 2\. 0 of 5 marked\.$'
for keys in space "Up Up space" "Down Down Down Down Down Down Right space" "Right Right Right space" \
    "Up Up Right Right space"; do
    # shellcheck disable=SC2086
    press $keys
done
expect_speech '^notification Marked row 5, column 8\. 5 of 5 marked\.$'

echo "Solved!, then back on the board:"
press shift+Tab
expect_speech '^Solved! push button\.$'
press space
expect_speech '^notification Groovy! You found all 5 atoms in [0-9]+ seconds! Click New Game to go again\.\.\. Atoms in game 5, marked 5\. Score 4, best score 4\.$'
press Tab
expect_speech '^row 5, column 8, atom, marked\.$'

echo "A new game:"
press shift+Tab shift+Tab space
expect_speech '^notification Click a light blue square .* Atoms in game 5, marked 0\. Score 0, best score 4\.$'

echo "Everything Orca said:"
spoken | sed 's/^/  /'
exit $status
