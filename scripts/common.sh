# Shared by ./run and ./test: install what is missing, then configure and build incrementally.

# Debian packages the program, its tests and its benchmarks need.
OSC_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools libgtest-dev libbenchmark-dev
              fonts-liberation fonts-liberation2 fonts-dejavu-core desktop-file-utils)
# What only the test of the Debian package needs: dpkg-dev names the package's library
# dependencies, lintian checks the package.
OSC_PACKAGING_PACKAGES=(dpkg-dev lintian)

# osc_install_missing [more packages...]: installs whatever of OSC_PACKAGES and those is missing.
osc_install_missing() {
    local missing=()
    for p in "${OSC_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# osc_build DIR [cmake options...]: configure once, then build what changed, showing the build.
osc_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || return 1
    fi
    cmake --build "$dir" -j "$(nproc)"
}

# osc_build_quietly DIR [cmake options...]: the same, silent when nothing changed. A first
# build, which takes minutes, says so in one line; a failed one shows the whole build's output.
# A source edited since the last quiet build is announced too, so a long rebuild is not a silent wait.
osc_build_quietly() {
    local dir=$1
    local stamp="$dir/.built-quietly" log
    log=$(mktemp)
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        echo "Building (first time, a few minutes)…"
    elif [ ! -f "$stamp" ] || [ -n "$(find . -path './build*' -prune -o -path ./.git -prune -o \
            \( -name '*.cpp' -o -name '*.h' -o -name 'CMakeLists.txt' -o -name '*.cmake' \) \
            -newer "$stamp" -print -quit)" ]; then
        echo "Building what changed…"
    fi
    if ! osc_build "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "The build in $dir/ failed (its output is above)." >&2
        return 1
    fi
    rm -f "$log"
    touch "$stamp"
}
