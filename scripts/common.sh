# Shared by ./run and ./test: install what is missing, then configure and build incrementally.

# Debian packages the program, its tests and its benchmarks need.
OSC_PACKAGES=(cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation fonts-liberation2
              desktop-file-utils)

osc_install_missing() {
    local missing=()
    for p in "${OSC_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# osc_build DIR [cmake options...]: configure once, then build what changed.
osc_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
    cmake --build "$dir" -j "$(nproc)"
}
