#!/bin/sh
# Installs what playing needs, builds the game alone (no tests, no benchmarks), and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh play
if [ ! -f build/build.ninja ]; then
    launcher=""
    command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher \
        -DORBALUX_TESTS=OFF -DORBALUX_BENCHMARKS=OFF
fi
cmake --build build --target orbalux
cd build/bin
exec ./orbalux
