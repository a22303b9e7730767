#!/bin/sh
# Proves the README's play command on a stock Debian 12: makes a minimal Debian 12 root with
# mmdebstrap, clones this project's committed state into it, runs ./scripts/play.sh there
# against a private X server of this machine, and passes when the game window appears on it.
# Prints how long the play command took from start to window. Run as root; it needs
# mmdebstrap, git, xvfb and xdotool here, and Debian's package archive. About ten minutes.
# Usage: tests/fresh-machine/run.sh [seconds to wait for the window, default 1800]
set -eu
project=$(cd "$(dirname "$0")/../.." && pwd)
limit=${1:-1800}
. "$project/tests/support/desktop.sh"
# The root holds bind mounts only inside its own mount namespace, which ends with the play
# command; the extra flag still keeps the removal on the scratch folder's own file system.
cleanup() {
    end_started
    rm -rf --one-file-system "$work"
}

root="$work/root"
echo "making a minimal Debian 12 root"
mmdebstrap --quiet --variant=minbase bookworm "$root"
git clone --quiet "$project" "$root/root/orbalux"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Packages installed in the root must not start services on this machine.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

start_xvfb
mkdir -p "$root/tmp/.X11-unix"
start=$(date +%s)
# A pid namespace of its own: when the play command's shell ends, everything it started ends.
unshare --mount --pid --fork --kill-child --propagation private sh -c '
    root=$1
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    exec chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        DISPLAY="$DISPLAY" DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb \
        sh -c "cd /root/orbalux && ./scripts/play.sh"
' sh "$root" >"$work/play.log" 2>&1 &
track $!

window=""
while [ -z "$window" ] && [ $(($(date +%s) - start)) -lt "$limit" ]; do
    if ! alive "$(echo "$started" | cut -d' ' -f1)"; then
        break
    fi
    window=$(xdotool search --onlyvisible --name '^Orbalux$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] || sleep 2
done
elapsed=$(($(date +%s) - start))
if [ -z "$window" ]; then
    tail -n 40 "$work/play.log"
    echo "FAIL: no game window after $elapsed s"
    exit 1
fi
import -window root "$work/shot.png" 2>/dev/null && cp "$work/shot.png" "${ORBALUX_FRESH_SHOT:-/dev/null}" || true
grep -E "^Installing:|Linking CXX executable" "$work/play.log" || true
echo "PASS: the game window appeared $elapsed s after the play command started on a fresh Debian 12"
