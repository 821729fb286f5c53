#!/usr/bin/env bash
# Smoke test of the Windows zip under Wine in a virtual X display (run by hand after build.sh;
# ./test leaves it out, as it needs the Windows build).
#  1. The window: start the .exe, wait for its window, charge, stop, oscillate, "Выход"; a
#     picture of each moment with a few pixels checked; exit status 0. Then Alt+F4 from the
#     window's menu also ends it with status 0.
#  2. The CPU share of the program (and of the wineserver) while it oscillates.
#  3. The headless lesson drawn under Wine and on Linux: the share of differing pixels outside
#     the text (whose faces and rasteriser are the system's).
# Pictures go to build-windows/test/.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
OSC_PACKAGES+=(wine wine64 fonts-wine xvfb xdotool imagemagick unzip fonts-dejavu-core)
osc_install_missing

zip=build-windows/oscillations-windows-x64.zip
[ -f "$zip" ] || { echo "No $zip: run packaging/windows/build.sh first." >&2; exit 1; }
out=$PWD/build-windows/test
rm -rf "$out"
mkdir -p "$out/shots"
unzip -q "$zip" -d "$out"
exe=$out/oscillations/oscillations.exe

# A Wine prefix of its own, kept between runs (the first start takes a few seconds more);
# without Mono and Gecko, which the program does not use.
export WINEPREFIX=$PWD/build-windows/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# A display of its own.
display=99
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() { wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
export DISPLAY=:$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
[ -d "$WINEPREFIX/drive_c" ] || wineboot -i >/dev/null 2>&1 || true

# pixel FILE X Y: "R G B" of one pixel.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 2p | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}
# Colour tests as the Linux tests make them, on a point given in twips of the window.
reddish() { local r g b; read -r r g b < <(pixel "$1" $(($2 / 15)) $(($3 / 15))); [ "$r" -eq 255 ] && [ "$g" -lt 40 ] && [ "$b" -lt 40 ]; }
bluish() { local r g b; read -r r g b < <(pixel "$1" $(($2 / 15)) $(($3 / 15))); [ "$b" -eq 255 ] && [ "$r" -lt 40 ] && [ "$g" -lt 40 ]; }
white() { [ "$(pixel "$1" $(($2 / 15)) $(($3 / 15)))" = "255 255 255" ]; }
# A picture of the window's client area (its natural size at scale 1).
shot() { import -window root png:- | convert - -crop "1014x734+$dx+$dy" +repage "$out/shots/$1.png"; }
# Clicks a point given in twips of the window.
click() { xdotool mousemove $(($1 / 15 + dx)) $(($2 / 15 + dy)) click 1; }

# The Linux pictures: the reference for where the window's client area lies, and for part 3.
# Either build tree will do (./test's or ./run's); it is brought up to date first.
linux=build
[ -f build-test/CMakeCache.txt ] && linux=build-test
osc_build "$linux" -DOSC_TESTS=OFF -DOSC_BENCH=OFF >/dev/null
QT_QPA_PLATFORM=offscreen "$linux/app/oscillations" --headless --screenshots "$out/linux" >/dev/null

title="Электромагнитные колебания в контуре"
start_program() {
    # In Russian, whatever language Wine's locale gives: the checks look for the Russian title.
    wine "$exe" --lang ru >"$out/wine-stdout.txt" 2>&1 &
    program_pid=$!
    if ! timeout 120 xdotool search --sync --onlyvisible --name "$title" >/dev/null; then
        fail "no window within 120 s"
        exit 1
    fi
    sleep 2  # the first paint
}
# Sets status to the program's exit status.
wait_exit() {
    status=0
    timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the program is still running 30 s later"
    wait "$program_pid" || status=$?
}

echo "== 1. The window under Wine"
t0=$(date +%s.%N)
start_program
echo "window shown $(awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN {printf "%.1f", b - a}') s after start"
import -window root "$out/screen.png"
# Where the client area lies on the screen: near the X window's corner, found exactly by the
# picture of the coil (searched 8 px around, as Wine may keep a frame).
eval "$(xdotool search --onlyvisible --name "$title" getwindowgeometry --shell | grep -E '^(X|Y)=')"
convert "$out/linux/01-start.png" -crop 150x80+120+205 +repage "$out/patch.png"
convert "$out/screen.png" -crop "166x96+$((X + 120 - 8))+$((Y + 205 - 8))" +repage "$out/around.png"
where=$(compare -metric AE -fuzz 5% -dissimilarity-threshold 1 -subimage-search "$out/around.png" "$out/patch.png" null: 2>&1 |
        awk '{print $NF}' || true)
dx=$((X - 8 + ${where%,*})) dy=$((Y - 8 + ${where#*,}))
echo "client area at +$dx+$dy (the X window at +$X+$Y)"
shot 01-start
white "$out/shots/01-start.png" 7400 3120 && pass "start: the upper plate is white" || fail "start: upper plate"
xdotool mousemove 0 0

click 9037 1822  # "Зарядить конденсатор"
sleep 4
shot 02-charging
click 8287 1837  # "Стоп"
sleep 1
shot 03-stopped
reddish "$out/shots/03-stopped.png" 7400 3120 && pass "charged: the upper plate is red" || fail "charged: upper plate"
bluish "$out/shots/03-stopped.png" 7400 4110 && pass "charged: the lower plate is blue" || fail "charged: lower plate"

click 7507 1822  # "Пуск "
sleep 0.3
# A period lasts 2 s: within 6 s the plates swap places three times.
seen_red=0 seen_blue=0
for i in $(seq -w 1 20); do
    shot "04-oscillating-$i"
    reddish "$out/shots/04-oscillating-$i.png" 7400 3120 && seen_red=1
    bluish "$out/shots/04-oscillating-$i.png" 7400 3120 && seen_blue=1
    [ $seen_red = 1 ] && [ $seen_blue = 1 ] && break
done
[ $seen_red = 1 ] && [ $seen_blue = 1 ] && pass "oscillating: the upper plate was red and blue in turn" ||
    fail "oscillating: red seen $seen_red, blue seen $seen_blue"

echo "== 2. CPU while oscillating"
hz=$(getconf CLK_TCK)
ticks() { if [ -n "$1" ]; then awk '{print $14 + $15}' "/proc/$1/stat"; else echo 0; fi; }
# The wineserver of this prefix: the one started with its WINEPREFIX.
server=
for pid in $(pgrep -x 'wineserver(64)?'); do
    tr '\0' '\n' <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && server=$pid
done
p0=$(ticks "$program_pid") s0=$(ticks "$server") w0=$(date +%s.%N)
sleep 10
p1=$(ticks "$program_pid") s1=$(ticks "$server") w1=$(date +%s.%N)
awk -v p="$((p1 - p0))" -v s="$((s1 - s0))" -v hz="$hz" -v a="$w0" -v b="$w1" 'BEGIN {
    printf "CPU while oscillating: the program %.1f %% of a core, the wineserver %.1f %% (over %.1f s, from /proc/PID/stat)\n",
           100 * p / hz / (b - a), 100 * s / hz / (b - a), b - a }'

click 8287 1837  # "Стоп"
sleep 0.5
shot 05-stopped-again
click 11422 10057  # "Выход"
wait_exit
[ "$status" = 0 ] && pass "\"Выход\": exit status 0" || fail "\"Выход\": exit status $status"

start_program
xdotool key --window "$(xdotool search --onlyvisible --name "$title" | head -1)" alt+F4
wait_exit
[ "$status" = 0 ] && pass "Alt+F4: exit status 0" || fail "Alt+F4: exit status $status"

echo "== 3. The headless lesson under Wine against Linux"
wine "$exe" --lang ru --headless --screenshots "$(winepath -w "$out/wine")" >"$out/wine-headless.txt" 2>&1 ||
    fail "headless lesson: exit status $?"
# Where the text lies: what changes when Linux draws with other faces, widened by 4 px.
mkdir -p "$out/dejavu" "$out/fccache"
cat >"$out/fonts.conf" <<EOF
<?xml version="1.0"?>
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$out/fccache</cachedir></fontconfig>
EOF
FONTCONFIG_FILE=$out/fonts.conf QT_QPA_PLATFORM=offscreen "$linux/app/oscillations" --headless \
    --screenshots "$out/dejavu" >/dev/null
differ() { convert "$1" "$2" -compose difference -composite -separate -evaluate-sequence max -threshold 0 "$3"; }
for f in "$out"/linux/*.png; do
    name=$(basename "$f")
    [ -f "$out/wine/$name" ] || { fail "no $name under Wine"; continue; }
    differ "$f" "$out/dejavu/$name" "$out/text-$name"
    convert "$out/text-$name" -morphology Dilate Square:4 "$out/text-$name"
    differ "$f" "$out/wine/$name" "$out/diff-$name"
    convert "$out/diff-$name" \( "$out/text-$name" -negate \) -compose Darken -composite "$out/outside-$name"
    text=$(convert "$out/text-$name" -format '%[fx:mean]' info:)
    all=$(convert "$out/diff-$name" -format '%[fx:mean]' info:)
    outside=$(convert "$out/outside-$name" -format '%[fx:mean]' info:)
    awk -v n="$name" -v a="$all" -v o="$outside" -v t="$text" 'BEGIN {
        printf "%-22s differing: %6.3f %% of all pixels, %6.3f %% of those outside the text (text %4.1f %% of the picture)\n",
               n, 100 * a, 100 * o / (1 - t), 100 * t }'
done

echo "== $failures failure(s); pictures in $out"
[ "$failures" -eq 0 ]
