#!/bin/sh
# Under Wine, Help > About > System Info: with no tool registered the game says so; with a stand-in
# registered where Windows keeps the tool's path, the game starts it.
# Usage: game-system-info.sh <zip> <wine64> <stand-in program>
set -eu
zip=$1
wine=$2
stand_in=$3
. "$(dirname "$0")/wine-game.sh"
key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
unregister() { "$wine" reg delete "$key" /f >/dev/null 2>&1 || true; }
trap 'unregister; end_wine; cleanup' EXIT
unregister
unpack_game
start_game

open_system_info() {
    choose h a
    box=$(wait_for_window '^About Orbalux$' 10)
    [ -n "$box" ] || { echo "FAIL: no About box"; exit 1; }
    give_keyboard "$box"
    xdotool key alt+s
}

open_system_info
expect_message "System Information Is Unavailable At This Time"
give_keyboard "$box"
xdotool key Escape
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^About Orbalux$' >/dev/null 2>&1 || break
    sleep 0.1
done

tool="$work/Shared Tools/MSINFO32.EXE"
mkdir -p "$(dirname "$tool")"
cp "$stand_in" "$tool"
"$wine" reg add "$key" /v PATH /t REG_SZ /d "$(windows_path "$tool")" /f >/dev/null
open_system_info
wait_for_file "$tool.started" || { echo "FAIL: the registered tool was not started"; exit 1; }
echo "started the tool registered under $key"
expect_no_message
