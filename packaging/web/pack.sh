# Packs the program built for the browser into build-web/oscillations-web/ and
# build-web/oscillations-web.zip (sourced by build.sh): the page, with the program's script and
# its WebAssembly inside, a short Russian README.txt, and the licences of what is inside.

osc_pack_web() {
    local qt=$1 build=$2 here=packaging/web
    local stage=$build/oscillations-web
    rm -rf "$stage" "$build/oscillations-web.zip"
    mkdir -p "$stage/licenses"

    # The script goes where the page says @PROGRAM@; a "</script" in it would end the element.
    python3 - "$here/shell.html" "$build/app/oscillations.js" "$stage/oscillations.html" <<'PY'
import sys
shell, program, out = sys.argv[1:]
page = open(shell, encoding="utf-8").read()
script = open(program, encoding="utf-8").read().replace("</script", "<\\/script")
assert page.count("@PROGRAM@") == 1
open(out, "w", encoding="utf-8").write(page.replace("@PROGRAM@", script))
PY

    # Qt is under the LGPLv3 (which builds on the GPLv3's text), linked statically here: its
    # source and how it was built are named in the README. emscripten's runtime (musl, libc++)
    # and the Liberation faces (SIL Open Font License) come with their Debian copyright files.
    cp "$qt/licenses/"*-only.txt "$qt/licenses/qt6-base-copyright.txt" "$stage/licenses/"
    cp /usr/share/doc/emscripten/copyright "$stage/licenses/emscripten-copyright.txt"
    cp /usr/share/doc/fonts-liberation2/copyright "$stage/licenses/fonts-liberation2-copyright.txt"

    local qt_version
    qt_version=$(cat "$qt/licenses/qt-source-version.txt")
    { printf '\xef\xbb\xbf'
      sed -e "s/@QT_VERSION@/$qt_version/g" -e "s/@EMSCRIPTEN_VERSION@/$(emcc -dumpversion)/g" \
          "$here/README.txt" | sed 's/$/\r/'
    } >"$stage/README.txt"

    (cd "$build" && zip -q -r -9 -X oscillations-web.zip oscillations-web)
    local raw gz
    raw=$(stat -c %s "$stage/oscillations.html")
    gz=$(gzip -9 -c "$stage/oscillations.html" | wc -c)
    echo "== The page: $stage/oscillations.html ($((raw / 1024)) KiB, $((gz / 1024)) KiB gzipped)"
    echo "== The zip: $build/oscillations-web.zip"
}
