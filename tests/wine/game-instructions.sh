#!/bin/sh
# Under Wine, Help > Instructions with no word processor at its old path: with nothing associated
# with .doc, as in a fresh prefix, the game gives its hint; once a program is associated with
# .doc, the game hands it the document beside the program and says nothing.
# Usage: game-instructions.sh <zip> <wine64> <stand-in program>
set -eu
zip=$1
wine=$2
stand_in=$3
. "$(dirname "$0")/wine-game.sh"
kind='HKCR\Orbalux.TestDocument'
unregister() {
    "$wine" reg delete 'HKCR\.doc' /f >/dev/null 2>&1 || true
    "$wine" reg delete "$kind" /f >/dev/null 2>&1 || true
}
trap 'unregister; end_wine; cleanup' EXIT
unpack_game
if "$wine" reg query 'HKCR\.doc' >/dev/null 2>&1; then
    echo "FAIL: the fresh prefix already associates a program with .doc"
    exit 1
fi
start_game

choose h i
expect_message "Open the file 'Instruct.doc' for detailed information about using this product."

reader="$work/Reader/reader.exe"
mkdir -p "$(dirname "$reader")"
cp "$stand_in" "$reader"
"$wine" reg add 'HKCR\.doc' /ve /d Orbalux.TestDocument /f >/dev/null
"$wine" reg add "$kind\\shell\\open\\command" /ve /d "\"$(windows_path "$reader")\" \"%1\"" /f >/dev/null
choose h i
wait_for_file "$reader.started" || { echo "FAIL: the program associated with .doc was not started"; exit 1; }
handed=$(tr -d '\r' <"$reader.started")
[ "$handed" = "$(windows_path "$game/Instruct.doc")" ] || { printf 'FAIL: the reader was handed "%s"\n' "$handed"; exit 1; }
printf 'the associated program was handed %s\n' "$handed"
expect_no_message
