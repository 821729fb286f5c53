# Debian's own qt6-base source, of the version of the installed Qt (whose moc, rcc and uic the
# cross builds run), fetched once and unpacked with Debian's patches applied (sourced by the
# Windows and the web build).

# osc_fetch_qt_source CACHE VERSION: the source package into CACHE/src, through apt-get with its
# own source list, lists and cache, so the system's configuration stays as it is.
osc_fetch_qt_source() {
    local cache=$1 qt_version=$2 apt=$1/apt
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$cache/src"
    local mirror
    mirror=$(grep -hoE '^(URIs:|deb) +https?://[^ ]*/debian/?( |$)' /etc/apt/sources.list \
             /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
             awk '{print $2; exit}' || true)
    echo "deb-src ${mirror:-http://deb.debian.org/debian} bookworm main" >"$apt/sources.list"
    echo "deb-src http://deb.debian.org/debian-security bookworm-security main" >>"$apt/sources.list"
    local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
                -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User="$(id -un)")
    if [ ! -f "$cache/src/qt6-base_${qt_version#*:}.dsc" ]; then
        apt-get "${opts[@]}" -qq update
        (cd "$cache/src" && apt-get "${opts[@]}" -qq source --download-only "qt6-base=$qt_version")
    fi
}

# osc_unpack_qt_source CACHE VERSION DIR: the fetched source unpacked into DIR (once), Debian's
# patches (security fixes among them) applied by dpkg-source, as for the Linux Qt.
osc_unpack_qt_source() {
    local cache=$1 qt_version=$2 dir=$3
    [ -d "$dir" ] && return 0
    rm -rf "$dir.tmp"
    dpkg-source --no-copy -x "$cache/src/qt6-base_${qt_version#*:}.dsc" "$dir.tmp" >/dev/null
    mv "$dir.tmp" "$dir"
}

# osc_keep_qt_licences SRC VERSION PREFIX: what shipping Qt requires, into PREFIX/licenses: the
# LGPLv3 and the GPLv3 it builds on, and Debian's record of every copyright in the source,
# including the bundled third-party code.
osc_keep_qt_licences() {
    local src=$1 qt_version=$2 qt=$3
    mkdir -p "$qt/licenses"
    cp "$src/LICENSES/LGPL-3.0-only.txt" "$src/LICENSES/GPL-3.0-only.txt" "$qt/licenses/"
    cp "$src/debian/copyright" "$qt/licenses/qt6-base-copyright.txt"
    echo "$qt_version" >"$qt/licenses/qt-source-version.txt"
}
