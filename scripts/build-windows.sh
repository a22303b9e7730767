#!/bin/sh
# Cross-builds the whole game for Windows with MinGW-w64 against a static Qt, and packs it as
# build-windows-qt/build/orbalux-<version>-windows.zip: one orbalux.exe that needs no DLLs, with
# its pictures and instructions beside it. The Qt comes packed in ../shared/windows-qt/ beside
# the repository and is unpacked once into build-windows-qt/qt6-mingw/.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh windows

out=build-windows-qt
qt=$out/qt6-mingw
packed=../shared/windows-qt/qt6.4.2-mingw-w64-static.tar.xz

if [ ! -x "$qt/bin/qt-cmake" ]; then
    if [ ! -f "$packed" ]; then
        cat >&2 <<MESSAGE
No Qt for Windows: $packed, beside the repository, is missing.
Qt must first be built from Debian 12's own qt6-base source package (about 30 minutes
on 2 cores) and installed as $qt/. With the source unpacked
(apt-get source --download-only qt6-base), it is configured with:

    cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \\
      -DCMAKE_TOOLCHAIN_FILE=$(pwd)/cmake/mingw-w64-x86_64.cmake \\
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \\
      -DCMAKE_INSTALL_PREFIX=$(pwd)/$qt -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \\
      -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \\
      -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \\
      -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \\
      -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF \\
      -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_freetype=OFF -DFEATURE_zstd=OFF \\
      -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \\
      -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF

then built and installed with: ninja -C build -j2 && cmake --install build
MESSAGE
        exit 1
    fi
    # Unpacked beside and then moved, so that an interrupted unpacking is never taken for a Qt.
    rm -rf "$out/qt6-mingw.unpacking"
    mkdir -p "$out/qt6-mingw.unpacking"
    tar -xJf "$packed" -C "$out/qt6-mingw.unpacking"
    rm -rf "$qt"
    mv "$out/qt6-mingw.unpacking/qt6-mingw" "$qt"
    rmdir "$out/qt6-mingw.unpacking"
fi

if [ ! -f "$out/build/build.ninja" ]; then
    launcher=""
    command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
    # Qt's toolchain file loads the compilers' one by the path it had when Qt was built, so it
    # is pointed at ours.
    # shellcheck disable=SC2086
    "$qt/bin/qt-cmake" -S . -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release $launcher \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" \
        -DORBALUX_TESTS=OFF -DORBALUX_BENCHMARKS=OFF
fi
cmake --build "$out/build" --target orbalux_zip
ls -l "$out"/build/orbalux-*-windows.zip
