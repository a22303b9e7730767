#!/bin/sh
# Cross-builds the whole game for Windows with MinGW-w64 against a static Qt, and packs it as
# build-windows-qt/build/orbalux-<version>-windows.zip: one orbalux.exe that needs no DLLs, with
# its pictures and instructions beside it. The Qt comes packed in ../shared/windows-qt/ beside
# the repository and is unpacked once into build-windows-qt/qt6-mingw/; where it is not, Qt is
# built once from Debian's own source package (about 36 minutes on two cores).
#
# With --test (what the test command runs) it also builds the Windows tests, with warnings as
# errors, and runs them under Wine: the engine and the platform, and the game from its zip.
set -eu
cd "$(dirname "$0")/.."
test=false
case "${1:-}" in
    --test) test=true ;;
    "") ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac
./scripts/install-deps.sh windows

out=build-windows-qt
qt=$out/qt6-mingw
packed=../shared/windows-qt/qt6.4.2-mingw-w64-static.tar.xz

# Unpacked or installed beside and then moved, so that an interrupted step is never taken for a Qt.
unpack_qt() {
    rm -rf "$out/qt6-mingw.unpacking"
    mkdir -p "$out/qt6-mingw.unpacking"
    tar -xJf "$packed" -C "$out/qt6-mingw.unpacking"
    rm -rf "$qt"
    mv "$out/qt6-mingw.unpacking/qt6-mingw" "$qt"
    rmdir "$out/qt6-mingw.unpacking"
}

# Fetches Debian's qt6-base source, the version the Linux build uses, through a private list of
# source archives made from the machine's own, so that the machine's apt setup stays as it is.
fetch_qt_source() {
    apt=$(pwd)/$out/qt-source/apt
    rm -rf "$apt"
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial"
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && sed -n 's/^deb /deb-src /p' "$list"
    done >"$apt/sources.list.d/source.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] && sed 's/^Types:.*/Types: deb-src/' "$sources" >"$apt/sources.list.d/$(basename "$sources")"
    done
    set -- -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.list.d" \
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
    apt-get "$@" -qq update
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    (cd "$out/qt-source" && apt-get "$@" -qq source --download-only "qt6-base=$version")
}

build_qt() {
    echo "No packed Qt for Windows at $packed: building it from Debian's qt6-base source (about 36 minutes on two cores)."
    fetch_qt_source
    source_dir=$out/qt-source/qtbase-everywhere-src-6.4.2
    rm -rf "$source_dir"
    tar -xJf "$out"/qt-source/qt6-base_*.orig.tar.xz -C "$out/qt-source"
    cmake -G Ninja -S "$source_dir" -B "$out/qt-source/build" \
        -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$(pwd)/$out/qt6-mingw.installing" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_freetype=OFF -DFEATURE_zstd=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
    cmake --build "$out/qt-source/build"
    rm -rf "$out/qt6-mingw.installing"
    cmake --install "$out/qt-source/build"
    rm -rf "$qt"
    mv "$out/qt6-mingw.installing" "$qt"
    rm -rf "$out/qt-source"
}

if [ ! -x "$qt/bin/qt-cmake" ]; then
    if [ -f "$packed" ]; then unpack_qt; else build_qt; fi
fi

launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
# Qt's toolchain file loads the compilers' one by the path it had when Qt was built, so it is
# pointed at ours.
configure() {
    # shellcheck disable=SC2086
    "$qt/bin/qt-cmake" -S . -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release $launcher \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DORBALUX_BENCHMARKS=OFF "$@" >/dev/null
}

if $test; then
    # Configured every time: this command may have made the build without the tests.
    configure -DORBALUX_TESTS=ON -DORBALUX_WERROR=ON
    cmake --build "$out/build"
    ctest --test-dir "$out/build" --output-on-failure --timeout 300
else
    [ -f "$out/build/build.ninja" ] || configure -DORBALUX_TESTS=OFF
    cmake --build "$out/build" --target orbalux_zip
fi
ls -l "$out"/build/orbalux-*-windows.zip
