#!/bin/sh
# Installs what is missing, builds what changed, and runs every test.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh test
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300
