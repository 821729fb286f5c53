#!/usr/bin/env bash
# Builds the program for the browser (WebAssembly) on Debian 12 and writes
# build-web/oscillations-web/ (one HTML page with everything in it) and
# build-web/oscillations-web.zip: open the page by a double click, or from any web server.
#
# Qt for WebAssembly is built once, with Debian's emscripten, from Debian's own qt6-base source
# package of the same version as the installed Qt (whose moc, rcc and uic the build runs), into
#     ${XDG_CACHE_HOME:-~/.cache}/oscillations/qt-web-<key>
# where <key> is a hash of that version, emscripten's version and Qt's configure flags; later
# runs reuse it. Nothing outside that folder and build-web/ is written, apart from missing
# Debian packages installed with apt-get and the system's apt configuration left untouched.
#   --qt-only   builds (or finds) Qt and stops
#   --dev       links the program without wasm-opt (seconds instead of minutes), for trying things
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
source packaging/qt_source.sh

OSC_PACKAGES+=(emscripten ninja-build dpkg-dev xz-utils zip fonts-liberation)
osc_install_missing

here=packaging/web
jobs=${OSC_JOBS:-$(nproc)}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/oscillations
# emscripten's optimizer takes Debian's acorn, which a node from elsewhere does not find by itself.
export NODE_PATH=/usr/share/nodejs

# Everything the program does not use stays out: less to build, less to load in the browser.
qt_flags=(
    -platform wasm-emscripten -release -static -no-feature-thread
    -nomake examples -nomake tests
    -no-feature-sql -no-feature-network -no-feature-testlib -no-feature-printsupport
    -no-feature-xml -no-feature-concurrent -no-feature-dbus
)
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
emscripten_version="$(emcc -dumpversion) $(dpkg-query -W -f='${Version}' emscripten)"
key=$({ echo "$qt_version"; echo "$emscripten_version"; printf '%s\n' "${qt_flags[@]}"; } |
      sha256sum | cut -c1-16)
qt=$cache/qt-web-$key

# Qt finds emscripten through an EMSDK folder laid out as the upstream SDK's: upstream/emscripten/
# holds what Debian installs in /usr/share/emscripten and the em* tools. It is kept inside Qt's
# folder, as the installed Qt's toolchain file names it.
make_emsdk() {
    local emsdk=$qt/emsdk root=$qt/emsdk/upstream/emscripten entry
    rm -rf "$emsdk"
    mkdir -p "$root"
    for entry in /usr/share/emscripten/*; do ln -s "$entry" "$root/"; done
    for entry in /usr/bin/em*; do [ -e "$root/$(basename "$entry")" ] || ln -s "$entry" "$root/"; done
    echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$emsdk/.emscripten"
}
export EMSDK=$qt/emsdk

build_qt() {
    echo "== Building Qt $qt_version for WebAssembly into $qt (once: about 25 minutes on two idle cores)"
    osc_fetch_qt_source "$cache" "$qt_version"
    local work=$qt.build
    mkdir -p "$work" "$qt"
    osc_unpack_qt_source "$cache" "$qt_version" "$work/src"
    make_emsdk
    if [ ! -f "$work/build/CMakeCache.txt" ]; then
        rm -rf "$work/build"
        mkdir -p "$work/build"
        # The host's Qt supplies the build tools; Debian keeps its CMake files in the multiarch folder.
        (cd "$work/build" && "$work/src/configure" -prefix "$qt" -qt-host-path /usr "${qt_flags[@]}" \
            -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >"$work/configure.log" 2>&1 ||
            { tail -40 "$work/configure.log" >&2; echo "Qt's configure failed: $work/configure.log" >&2; exit 1; }
    fi
    nice -n 10 cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build" >/dev/null
    osc_keep_qt_licences "$work/src" "$qt_version" "$qt"
    touch "$qt/.complete"
    rm -rf "$work"
}

[ -f "$qt/.complete" ] || build_qt
echo "== Qt for WebAssembly: $qt"
[ "${1:-}" = "--qt-only" ] && exit 0

build=build-web
link_optimization=-O3
[ "${1:-}" = "--dev" ] && link_optimization=-O1
echo "== Building the program for the browser in $build/"
# A tree configured against another Qt (an older key) is configured afresh.
if ! grep -qx "CMAKE_PREFIX_PATH:UNINITIALIZED=$qt" "$build/CMakeCache.txt" 2>/dev/null; then
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
    "$qt/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" \
        -DOSC_TESTS=OFF -DOSC_BENCH=OFF >/dev/null
fi
cmake "$build" -DOSC_WEB_LINK_OPTIMIZATION="$link_optimization" >/dev/null
nice -n 10 cmake --build "$build" --parallel "$jobs" --target oscillations

source "$here/pack.sh"
osc_pack_web "$qt" "$build"
