#!/usr/bin/env bash
# Check of the page built by build.sh, in Debian's Chromium on a virtual X display (run by hand
# after build.sh; ./test leaves it out, as it needs the web build). packaging/web/drive.py serves
# the folder on 127.0.0.1 only and, at the natural size and at 1920 x 1080:
#  - waits for the first painted scene and compares the start-up picture with the native
#    headless one;
#  - charges, stops, oscillates (the plates swap colours) and counts the frames a second and
#    the browser's CPU while oscillating;
#  - pauses with P (the red "Пауза", nothing moves), opens the program's own context menu (the
#    browser's is kept off), goes full screen from it and leaves with Esc, resumes;
#  - "Выход": the page says the lesson is over; no errors in the browser's console.
# Then the file itself is opened as file:// (no server), as from a USB stick, in Chromium and in
# Firefox ESR (packaging/web/firefox_file.py): painted, and it charges.
# Pictures go to build-web/test/. Nothing is downloaded: the browser is Debian's.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
OSC_PACKAGES+=(chromium chromium-driver python3-selenium python3-pil xvfb firefox-esr)
osc_install_missing

page=build-web/oscillations-web
[ -f "$page/oscillations.html" ] || { echo "No $page/oscillations.html: run packaging/web/build.sh first." >&2; exit 1; }
out=$PWD/build-web/test
rm -rf "$out"
mkdir -p "$out"

# The native pictures: the reference for the start-up picture. Either build tree will do
# (./test's or ./run's); it is brought up to date first.
linux=build
[ -f build-test/CMakeCache.txt ] && linux=build-test
osc_build "$linux" -DOSC_TESTS=OFF -DOSC_BENCH=OFF >/dev/null
QT_QPA_PLATFORM=offscreen "$linux/app/oscillations" --headless --screenshots "$out/native" >/dev/null

# Debian's Python, which has python3-selenium and python3-pil, whatever python3 is first on PATH.
status=0
/usr/bin/python3 packaging/web/drive.py "$page" "$out/native" "$out/shots" "$@" || status=$?
/usr/bin/python3 packaging/web/drive.py --file "$page" "$out/native" "$out/file" || status=$?
/usr/bin/python3 packaging/web/firefox_file.py "$page" "$out/native" "$out/firefox-file" || status=$?
[ "$status" = 0 ] && echo "== All passed; pictures in $out" || echo "== Some checks failed; pictures in $out"
exit $status
