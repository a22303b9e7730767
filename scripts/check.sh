#!/bin/sh
# Installs what is missing, builds what changed, and runs every test twice: in the normal build,
# then in a build under AddressSanitizer and UndefinedBehaviorSanitizer that halts on the first
# error. Fails as soon as either build or either run fails.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh test

launcher=""
command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Configured every time: the play command may have made build/ without the tests.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher \
    -DORBALUX_TESTS=ON -DORBALUX_BENCHMARKS=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300

# Exported before the build too: it runs each test program once to list its tests. Leaks that
# system libraries keep until exit are suppressed by library name, never for our own code.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug $launcher \
    -DORBALUX_SANITIZE=ON -DORBALUX_TESTS=ON -DORBALUX_BENCHMARKS=OFF
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 300
