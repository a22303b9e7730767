#!/bin/sh
# Installs the built game under a fresh prefix and checks that every file is in its place and
# that the desktop entry starts the installed program in the folder that holds its pictures.
# Usage: staged-install.sh <build folder> <prefix to install into, emptied first>
set -eu
build=$1
prefix=$2
status=0
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/installed-files.sh"

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
check_installed_files "$prefix"

entry="$prefix/share/applications/org.orbalux.Orbalux.desktop"
if [ -f "$entry" ]; then
    [ "$(entry_value "$entry" Exec)" = "$prefix/bin/orbalux" ] || fail "Exec is $(entry_value "$entry" Exec)"
    [ "$(entry_value "$entry" Path)" = "$prefix/share/orbalux" ] || fail "Path is $(entry_value "$entry" Path)"
    [ "$(entry_value "$entry" Icon)" = org.orbalux.Orbalux ] || fail "Icon is $(entry_value "$entry" Icon)"
fi
[ $status -eq 0 ] && echo "every file is in its place under $prefix"
exit $status
