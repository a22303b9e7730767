#!/bin/sh
# Makes a fresh Wine prefix, or ends its server and removes it. No display is needed: the test
# programs are console programs.
# Usage: wine-prefix.sh create|remove <wine64 binary> <prefix folder>
set -eu
wine=$2
export WINEPREFIX="$3" WINEDEBUG=-all
case "$1" in
    create)
        rm -rf "$WINEPREFIX"
        # Without .NET and the HTML engine Wine asks for neither, and starts sooner.
        WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot -i
        ;;
    remove)
        "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
        ;;
    *) echo "usage: $0 create|remove <wine64> <prefix>" >&2; exit 2 ;;
esac
