#!/bin/sh
# Builds the Debian package, unpacks it into a scratch root, checks its files and dependencies,
# and starts the unpacked program in a real X server from the folder that its desktop entry
# names, watching it open each of its pictures there.
# Usage: deb-package.sh <build folder>
set -eu
build=$1
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/installed-files.sh"

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/out/orbalux_*.deb)
echo "built $(basename "$deb")"

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

# -displayfd picks a free display, so parallel runs never collide.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY

(cd "$root$folder" && QT_QPA_PLATFORM=xcb exec strace -f -qq -e trace=openat -o "$work/opened" "$root$program") &
tracer_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Orbalux$' | head -n 1)
game_pid=$(xdotool getwindowpid "$window")
echo "the installed program shows its window"
kill "$game_pid"
wait "$tracer_pid" || true
game_pid=""

for name in VBar.bmp HBar.bmp CrossBar.bmp NWBar.bmp NEBar.bmp SWBar.bmp SEBar.bmp; do
    grep -q "openat(AT_FDCWD, \"$name\", O_RDONLY[^)]*) = [0-9]" "$work/opened" ||
        fail "the program did not open $name in $folder"
done
[ $status -eq 0 ] && echo "it read all seven pictures from $folder"
exit $status
