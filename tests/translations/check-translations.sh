#!/bin/sh
# Fails when a translation is not finished: a .ts file with an unfinished, obsolete or vanished
# entry, one that lacks a text the sources mark for translation today, or a language whose .qm
# the build did not make.
# Usage: check-translations.sh <lupdate> <source folder of the windows> <.qm folder> <.ts files...>
set -eu
lupdate=$1
sources=$2
qm_folder=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# Entries a translator has still to deal with, counted by kind.
leftovers() {
    for kind in unfinished obsolete vanished; do
        count=$(grep -c "type=\"$kind\"" "$1" || true)
        [ "$count" -eq 0 ] || echo "$count $kind"
    done
}

for ts in "$@"; do
    name=$(basename "$ts" .ts)
    left=$(leftovers "$ts")
    [ -z "$left" ] || fail "$name.ts has $(echo "$left" | paste -sd ',' | sed 's/,/, /g') entries"
    # The sources as they are now, merged into a copy: what is new there is unfinished.
    cp "$ts" "$work/$name.ts"
    "$lupdate" -silent -locations none -no-obsolete "$sources" -ts "$work/$name.ts" >"$work/lupdate.log" 2>&1 ||
        { cat "$work/lupdate.log"; fail "lupdate could not read the sources"; }
    left=$(leftovers "$work/$name.ts")
    [ -z "$left" ] || fail "$name.ts lacks texts of the sources ($(echo "$left" | paste -sd ',')): run the update_translations target and translate them"
    [ -s "$qm_folder/$name.qm" ] || fail "the build made no $name.qm in $qm_folder"
    echo "$name: $(grep -c '<message' "$ts") texts"
done
exit $status
