#!/usr/bin/env bash
# Builds the program for 64-bit Windows on Debian 12 and packs it into
# build-windows/oscillations-windows-x64.zip: unpack anywhere, double-click the .exe.
#
# Qt for Windows is built once, from Debian's own qt6-base source package of the same version as
# the installed Qt (whose moc, rcc and uic the cross build runs), into
#     ${XDG_CACHE_HOME:-~/.cache}/oscillations/qt-windows-<key>
# where <key> is a hash of that version, the compiler's version, the toolchain file and Qt's
# configure flags; later runs reuse it. Nothing outside that folder and build-windows/ is written,
# apart from missing Debian packages installed with apt-get and the system's apt configuration
# left untouched (the source package is fetched through a private source list).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
source packaging/qt_source.sh

OSC_PACKAGES+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
               binutils-mingw-w64-x86-64 ninja-build dpkg-dev xz-utils zip)
osc_install_missing

mingw=x86_64-w64-mingw32
here=packaging/windows
toolchain_source=$here/mingw-w64-x86_64.cmake
jobs=${OSC_JOBS:-$(nproc)}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/oscillations

# Everything the program does not use stays out: less to build, less to ship.
qt_flags=(
    -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    # The host's Qt supplies the build tools; Debian keeps Qt6HostInfo in the multiarch folder.
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # Not FEATURE_opengl=OFF: that leaves dynamic OpenGL on, and the link fails.
    -DINPUT_opengl=no
    # The source package lacks the Wintab headers that tablet events need.
    -DFEATURE_tabletevent=OFF
    # Only the bundled copies of zlib, libpng and the rest: never the host's Linux libraries.
    -DFEATURE_pkg_config=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_androiddeployqt=OFF
)

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
compiler_version="$($mingw-g++-posix -dumpfullversion) $(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)"
key=$({ echo "$qt_version"; echo "$compiler_version"; cat "$toolchain_source"; printf '%s\n' "${qt_flags[@]}"; } |
      sha256sum | cut -c1-16)
qt=$cache/qt-windows-$key

build_qt() {
    echo "== Building Qt $qt_version for Windows into $qt (once: about 15 minutes on two idle cores)"
    osc_fetch_qt_source "$cache" "$qt_version"
    local work=$qt.build
    mkdir -p "$work"
    osc_unpack_qt_source "$cache" "$qt_version" "$work/src"
    # The toolchain is kept beside Qt, so the installed Qt does not depend on this clone's place.
    mkdir -p "$qt"
    cp "$toolchain_source" "$qt/mingw-w64-x86_64.cmake"
    if [ ! -f "$work/build/CMakeCache.txt" ]; then
        cmake -S "$work/src" -B "$work/build" "${qt_flags[@]}" \
            -DCMAKE_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$qt" >"$work/configure.log"
    fi
    nice -n 10 cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build" >/dev/null
    osc_keep_qt_licences "$work/src" "$qt_version" "$qt"
    touch "$qt/.complete"
    rm -rf "$work"
}

[ -f "$qt/.complete" ] || build_qt
echo "== Qt for Windows: $qt"
[ "${1:-}" = "--qt-only" ] && exit 0

echo "== Building the program for Windows in build-windows/"
# A tree configured against another Qt (an older key) is configured afresh.
if ! grep -qx "CMAKE_PREFIX_PATH:UNINITIALIZED=$qt" build-windows/CMakeCache.txt 2>/dev/null; then
    rm -rf build-windows/CMakeCache.txt build-windows/CMakeFiles
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DOSC_TESTS=OFF -DOSC_BENCH=OFF >/dev/null
fi
nice -n 10 cmake --build build-windows --parallel "$jobs" --target oscillations

source "$here/pack.sh"
osc_pack_windows "$qt" build-windows
