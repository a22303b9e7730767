#!/bin/sh
# Installs what is missing, builds what changed, and starts the game.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh play
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
# The game finds its pictures and instructions in the folder it starts in.
cd build/bin
if [ ! -x ./orbalux ]; then
    echo "The game window is not built yet."
    exit 0
fi
exec ./orbalux
