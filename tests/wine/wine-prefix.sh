#!/bin/sh
# Makes a fresh Wine prefix, or ends its server and removes it. No display is needed to make it:
# the tests that show windows bring their own X server.
# Usage: wine-prefix.sh create|remove <wine64 binary> <prefix folder>
set -eu
wine=$2
export WINEPREFIX="$3" WINEDEBUG=-all
case "$1" in
    create)
        rm -rf "$WINEPREFIX"
        # Without .NET and the HTML engine Wine asks for neither, and starts sooner.
        WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot -i
        "$(dirname "$wine")/wineserver" -w
        # Wine stands in Tahoma for the dialog font that Windows programs ask for, and draws the
        # frame's buttons in Marlett; without Wine's own fonts in the prefix every window falls
        # back on the first font it finds, a serif one.
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        ;;
    remove)
        "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
        ;;
    *) echo "usage: $0 create|remove <wine64> <prefix>" >&2; exit 2 ;;
esac
