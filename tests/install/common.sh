# What both install checks share: they count failures, and they keep the build's install
# manifest, which an install or a package overwrites and a real install is removed by.
# Source it, then: keep_manifest BUILD_DIR SCRATCH_DIR (the scratch folder is removed at exit).

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

keep_manifest() {
    _manifest="$1/install_manifest.txt"
    _scratch=$2
    _saved=""
    if [ -f "$_manifest" ]; then
        _saved=$(mktemp)
        cp "$_manifest" "$_saved"
    fi
    trap _restore_manifest EXIT
}

_restore_manifest() {
    if [ -n "$_saved" ]; then
        mv "$_saved" "$_manifest"
    else
        rm -f "$_manifest"
    fi
    rm -rf "$_scratch"
}
