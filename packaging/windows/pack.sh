# Packs the cross-built program into build-windows/oscillations-windows-x64.zip (sourced by build.sh).
# Everything the .exe loads beside Windows itself goes in, stripped, with the licences that
# shipping those libraries requires and a short Russian README.txt.

osc_mingw=x86_64-w64-mingw32

# The DLLs a Windows binary names, one a line.
osc_dll_names() {
    "$osc_mingw-objdump" -p "$1" | awk '/DLL Name:/ {print $3}'
}

# Where a DLL of Qt or of the MinGW runtime lies, or nothing for one of Windows' own.
osc_find_dll() {
    local name=$1 qt=$2 found
    [ -f "$qt/bin/$name" ] && { echo "$qt/bin/$name"; return; }
    found=$("$osc_mingw-g++-posix" -print-file-name="$name")
    [ "$found" != "$name" ] && [ -f "$found" ] && realpath "$found"
    return 0
}

# osc_copy_with_dlls FILE DEST QT TOP: copies FILE into DEST and, into the program's folder TOP,
# every DLL it needs that Windows does not bring, following their own needs too.
osc_copy_with_dlls() {
    local file=$1 dest=$2 qt=$3 top=$4 name path
    install -m 644 "$file" "$dest/"
    "$osc_mingw-strip" --strip-unneeded "$dest/$(basename "$file")"
    for name in $(osc_dll_names "$file"); do
        [ -f "$top/$name" ] && continue
        path=$(osc_find_dll "$name" "$qt")
        if [ -n "$path" ]; then osc_copy_with_dlls "$path" "$top" "$qt" "$top"; fi
    done
}

osc_pack_windows() {
    local qt=$1 build=$2 here=packaging/windows
    local stage=$build/zip/oscillations
    rm -rf "$build/zip"
    mkdir -p "$stage/platforms" "$stage/licenses"

    osc_copy_with_dlls "$build/app/oscillations.exe" "$stage" "$qt" "$stage"
    # The platform plugin is loaded by name at start-up, so no import names it.
    osc_copy_with_dlls "$qt/plugins/platforms/qwindows.dll" "$stage/platforms" "$qt" "$stage"
    chmod 755 "$stage"/*.exe

    # Qt is under the LGPLv3 (which builds on the GPLv3's text); its source and how it was
    # built are named in the README. The MinGW runtime's terms are in Debian's copyright files.
    cp "$qt/licenses/"*-only.txt "$qt/licenses/qt6-base-copyright.txt" "$stage/licenses/"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-gcc-runtime-copyright.txt"
    cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licenses/mingw-w64-winpthreads-copyright.txt"

    # Notepad reads UTF-8 reliably with a byte-order mark and Windows line ends.
    local qt_version
    qt_version=$(cat "$qt/licenses/qt-source-version.txt")
    { printf '\xef\xbb\xbf'
      sed -e "s/@QT_VERSION@/$qt_version/g" "$here/README.txt" | sed 's/$/\r/'
    } >"$stage/README.txt"

    local zip=$build/oscillations-windows-x64.zip
    rm -f "$zip"
    (cd "$build/zip" && zip -q -r -9 -X "../$(basename "$zip")" oscillations)
    echo "== $zip: $(du -k "$zip" | cut -f1) KB"
    (cd "$build/zip" && find oscillations -type f | sort)
}
