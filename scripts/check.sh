#!/bin/sh
# Installs what is missing, builds what changed, and runs the tests in five builds: the whole
# suite in the normal build and again under AddressSanitizer and UndefinedBehaviorSanitizer
# (halting on the first error); the engine's tests under ThreadSanitizer; the engine and the
# platform with their tests built by Clang; and the whole game cross-built for Windows, its zip
# played under Wine with the engine's and the platform's tests beside it. Every build treats
# warnings as errors. Fails as soon as any build or any run fails, and says how long each step took.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh test

launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
# Paths inside the project are hashed relative to it, so a fresh clone elsewhere reuses the cache.
export CCACHE_BASEDIR="$(pwd)"
checked=$(date +%s)

# step NAME COMMAND...: runs one step under a heading and reports its time.
step() {
    name=$1
    shift
    printf '\n===== %s\n' "$name"
    begun=$(date +%s)
    "$@"
    printf '===== %s: passed in %d s\n' "$name" $(($(date +%s) - begun))
}

normal_build() {
    # Configured every time: the play command may have made build/ without the tests.
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher -DORBALUX_WERROR=ON \
        -DORBALUX_TESTS=ON -DORBALUX_BENCHMARKS=ON >/dev/null
    cmake --build build
    ctest --test-dir build --output-on-failure --timeout 300
}

sanitized_build() {
    # Exported before the build too: it runs each test program once to list its tests. Leaks
    # that system libraries keep until exit are suppressed by library name, never for our own code.
    export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
    export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug $launcher -DORBALUX_WERROR=ON \
        -DORBALUX_SANITIZE=ON -DORBALUX_TESTS=ON -DORBALUX_BENCHMARKS=OFF >/dev/null
    cmake --build build-asan
    ctest --test-dir build-asan --output-on-failure --timeout 300
    unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
}

# The worker and the engine it runs, under ThreadSanitizer: every engine test, the worker's among
# them, halting on the first race it reports.
thread_sanitized_build() {
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher -DORBALUX_WERROR=ON \
        -DORBALUX_THREAD_SANITIZE=ON -DORBALUX_UI=OFF -DORBALUX_TESTS=ON -DORBALUX_BENCHMARKS=OFF >/dev/null
    cmake --build build-tsan --target engine_tests
    ctest --test-dir build-tsan/tests/engine --output-on-failure --timeout 300
    unset TSAN_OPTIONS
}

# Another compiler's warnings and its reading of the standard, on the code without windows.
clang_build() {
    cmake -S . -B build-clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release $launcher \
        -DORBALUX_WERROR=ON -DORBALUX_UI=OFF -DORBALUX_TESTS=ON -DORBALUX_BENCHMARKS=OFF >/dev/null
    cmake --build build-clang
    ctest --test-dir build-clang --output-on-failure --timeout 300
}

# The Win32 code for real: Wine's registry, processes and drive-letter paths, in a Wine prefix
# that the tests make for themselves and remove (tests/wine); and the game itself, played from
# its zip on a private X server.
windows_game() {
    ./scripts/build-windows.sh --test
}

# Without the packed Qt for Windows beside the repository, the game would wait for Qt to be
# built from source first; the engine and the platform are tested under Wine all the same.
windows_build() {
    cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release $launcher -DORBALUX_WERROR=ON -DORBALUX_UI=OFF -DORBALUX_TESTS=ON \
        -DORBALUX_BENCHMARKS=OFF >/dev/null
    cmake --build build-windows
    ctest --test-dir build-windows --output-on-failure --timeout 300
}

step "Normal build (GCC, build/): every test" normal_build
step "Sanitizer build (GCC, ASan and UBSan, build-asan/): every test" sanitized_build
step "Thread sanitizer build (GCC, TSan, build-tsan/): engine_tests" thread_sanitized_build
step "Clang build (engine and platform, build-clang/): engine_tests, platform_tests" clang_build
if [ -x build-windows-qt/qt6-mingw/bin/qt-cmake ] || [ -f ../shared/windows-qt/qt6.4.2-mingw-w64-static.tar.xz ]; then
    step "Windows build (MinGW-w64 and static Qt, build-windows-qt/build/) under Wine: the game from its zip, engine_tests, platform_tests" windows_game
else
    printf '\n===== Skipped: the Windows game under Wine. No Qt for Windows in build-windows-qt/qt6-mingw/\n'
    printf 'nor packed in ../shared/windows-qt/; ./scripts/build-windows.sh builds one from source\n'
    printf '(about 36 minutes on two cores), and this command tests the game afterwards.\n'
    step "Windows build (MinGW-w64, build-windows/) under Wine: engine_tests, platform_tests" windows_build
fi
printf '\n===== All five builds passed in %d s\n' $(($(date +%s) - checked))
