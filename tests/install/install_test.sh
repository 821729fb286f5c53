#!/usr/bin/env bash
# Installs the built program under a temporary prefix and checks the tree a desktop expects:
# the executable (and that it starts), the menu entry, the scalable icon and every PNG size.
#   install_test.sh BUILD_DIR CMAKE
set -euo pipefail

build=${1:?build directory}
cmake=${2:-cmake}
app_id=org.classroom.oscillations
sizes=(16 32 48 64 128 256)

prefix=$(mktemp -d)
source "$(dirname "$0")/common.sh"
keep_manifest "$build" "$prefix"

if ! log=$("$cmake" --install "$build" --prefix "$prefix" 2>&1); then
    echo "$log"
    echo "FAIL: cmake --install into a prefix did not complete"
    exit 1
fi

exe="$prefix/bin/oscillations"
if [ -x "$exe" ] && [ -f "$exe" ]; then
    # The installed copy finds its libraries and runs: --help prints its title and exits.
    help=$(QT_QPA_PLATFORM=offscreen "$exe" --help 2>&1) || fail "bin/oscillations --help exits with an error: $help"
    grep -q "Электромагнитные колебания" <<<"$help" || fail "bin/oscillations --help does not print the title: $help"
else
    fail "bin/oscillations is missing or not executable"
fi

desktop="$prefix/share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
    if command -v desktop-file-validate >/dev/null; then
        # Hints count too: one of them is a second main category, which lists the program twice.
        report=$(desktop-file-validate "$desktop" 2>&1) || fail "$app_id.desktop does not validate: $report"
        [ -z "$report" ] || fail "desktop-file-validate finds fault with $app_id.desktop: $report"
    else
        echo "desktop-file-validate is not installed: the menu entry is not validated"
    fi
    grep -qx "Exec=oscillations" "$desktop" || fail "$app_id.desktop does not run bin/oscillations"
    grep -qx "Icon=oscillations" "$desktop" || fail "$app_id.desktop does not name the icon oscillations"
else
    fail "share/applications/$app_id.desktop is missing"
fi

icons="$prefix/share/icons/hicolor"
svg="$icons/scalable/apps/oscillations.svg"
if [ -f "$svg" ]; then
    python3 -c 'import sys, xml.etree.ElementTree as t; t.parse(sys.argv[1])' "$svg" \
        || fail "the SVG icon is not well-formed XML"
else
    fail "share/icons/hicolor/scalable/apps/oscillations.svg is missing"
fi

# Each PNG: a PNG of n × n pixels whose picture shows the coil (red), the capacitor (blue)
# and the wave (teal) -- a pixel counts when that hue clearly leads the others.
check_png() {
    python3 - "$1" "$2" <<'PY'
import struct, sys, zlib

path, size = sys.argv[1], int(sys.argv[2])
data = open(path, "rb").read()
if data[:8] != b"\x89PNG\r\n\x1a\n":
    sys.exit("not a PNG file")
chunks, pos = {}, 8
while pos < len(data):
    length, kind = struct.unpack(">I4s", data[pos:pos + 8])
    chunks.setdefault(kind, []).append(data[pos + 8:pos + 8 + length])
    pos += 12 + length
width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"][0])
if (width, height) != (size, size):
    sys.exit(f"{width} x {height} pixels, not {size} x {size}")
channels = {2: 3, 6: 4}.get(colour)
if depth != 8 or channels is None or interlace:
    sys.exit(f"unexpected pixel format (depth {depth}, colour type {colour}, interlace {interlace})")

raw = zlib.decompress(b"".join(chunks[b"IDAT"]))
stride, rows, prev = width * channels, [], bytearray(width * channels)
for y in range(height):
    kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - channels] if i >= channels else 0
        b, c = prev[i], prev[i - channels] if i >= channels else 0
        if kind == 1: line[i] = (line[i] + a) & 255
        elif kind == 2: line[i] = (line[i] + b) & 255
        elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line

lead = 40  # of 255: how far a hue's channels must stand above the rest on a blended pixel
found = {"red": 0, "blue": 0, "teal": 0}
for line in rows:
    for x in range(width):
        r, g, b = line[x * channels:x * channels + 3]
        if r - max(g, b) > lead: found["red"] += 1
        if b - max(r, g) > lead: found["blue"] += 1
        if min(g, b) - r > lead and abs(g - b) < lead: found["teal"] += 1
missing = [name for name, count in found.items() if count == 0]
if missing:
    sys.exit("no " + ", ".join(missing) + " pixels in the picture")
PY
}

for n in "${sizes[@]}"; do
    png="$icons/${n}x${n}/apps/oscillations.png"
    if [ -f "$png" ]; then
        why=$(check_png "$png" "$n" 2>&1) || fail "${n}x${n}/apps/oscillations.png: $why"
    else
        fail "share/icons/hicolor/${n}x${n}/apps/oscillations.png is missing"
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installed tree failed"
    exit 1
fi
echo "The installed tree under a prefix is complete: bin, menu entry, SVG and ${#sizes[@]} PNG icons"
