#!/bin/sh
# Installs the Debian 12 packages that Orbalux needs: "play" for building and playing,
# "test" for the whole test suite as well, "windows" for the Windows zip. Does nothing when
# everything is already there.
set -eu

# qt6-l10n-tools turns the translations into the files the game loads; qt6-translations-l10n
# holds Qt's own, which translate the message boxes' standard buttons.
PLAY="cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core qt6-l10n-tools qt6-translations-l10n"
# dbus-x11 is there so that the tests run where a program without a session bus would
# autolaunch one, as on a desktop; openbox and weston are the window manager and the Wayland
# compositor that the desktop tests start, orca the screen reader that one of them listens with.
# clang builds the engine and platform a second time; g++-mingw-w64-x86-64 cross-builds them for
# Windows, with GoogleTest from googletest's sources, and wine64 runs them, with Wine's own fonts
# (fonts-wine) and xclip to read what a Windows message box copies; ccache keeps the rebuilds
# short.
# qt6-tools-dev brings Qt's CMake functions for the translations, which keep the .ts files
# current (the update_translations target) and let the tests check them against the sources.
TEST="$PLAY qt6-tools-dev libgtest-dev libgmock-dev libbenchmark-dev googletest clang ccache g++-mingw-w64-x86-64 wine64 fonts-wine xclip xvfb xauth xdotool imagemagick x11-utils desktop-file-utils appstream dpkg-dev file strace dbus-daemon dbus-bin dbus-x11 at-spi2-core python3-gi gir1.2-atspi-2.0 orca openbox weston qt6-wayland man-db"

# The Windows zip: the host's Qt gives the code generators (moc, rcc, uic) for the static Qt
# that the game is linked against, and xz-utils unpacks that Qt; perl runs Qt's own scripts when
# that Qt is built from source.
WINDOWS="cmake ninja-build qt6-base-dev g++-mingw-w64-x86-64 xz-utils ccache perl"

case "${1:-play}" in
    play) wanted=$PLAY ;;
    test) wanted=$TEST ;;
    windows) wanted=$WINDOWS ;;
    *) echo "usage: $0 play|test|windows" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing:$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
