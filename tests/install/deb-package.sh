#!/bin/sh
# Builds the Debian package, unpacks it into a scratch root, checks its files and dependencies,
# and starts the unpacked program in a real X server from the folder that its desktop entry
# names, watching it open each of its pictures there.
# Usage: deb-package.sh <build folder>
set -eu
build=$1
. "$(dirname "$0")/../support/desktop.sh"
status=0
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/installed-files.sh"

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/out/orbalux_*.deb)
echo "built $(basename "$deb")"

recommends=$(dpkg-deb -f "$deb" Recommends)
case ", $recommends," in
    *", qt6-wayland,"* | *", qt6-wayland "*) ;;
    *) fail "Recommends lacks qt6-wayland: $recommends" ;;
esac
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    case ", $depends," in
        *", $needed "* | *", $needed,"*) ;;
        *) fail "Depends lacks $needed: $depends" ;;
    esac
done

root="$work/root"
dpkg -x "$deb" "$root"
check_installed_files "$root/usr"
entry="$root/usr/share/applications/org.orbalux.Orbalux.desktop"
program=$(entry_value "$entry" Exec)
folder=$(entry_value "$entry" Path)
[ "$program" = /usr/bin/orbalux ] || fail "Exec is $program"
[ "$folder" = /usr/share/orbalux ] || fail "Path is $folder"
[ $status -eq 0 ] || exit $status

start_xvfb
start_in "$root$folder" env QT_QPA_PLATFORM=xcb strace -f -qq -e trace=openat -o "$work/opened" "$root$program"
window=$(wait_for_window '^Orbalux$')
[ -n "$window" ] || { echo "FAIL: the installed program shows no window"; exit 1; }
track "$(xdotool getwindowpid "$window")"
echo "the installed program shows its window"
# Ending the game ends the tracer too; the trace is complete once both are gone.
end_started

for name in VBar.bmp HBar.bmp CrossBar.bmp NWBar.bmp NEBar.bmp SWBar.bmp SEBar.bmp; do
    grep -q "openat(AT_FDCWD, \"$name\", O_RDONLY[^)]*) = [0-9]" "$work/opened" ||
        fail "the program did not open $name in $folder"
done
[ $status -eq 0 ] && echo "it read all seven pictures from $folder"
exit $status
