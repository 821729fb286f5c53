#!/usr/bin/python3
"""What a lesson costs the machine it is shown on: CPU of the program and of the X server, and
the frames the X server receives, while at rest, charging and oscillating.

The real program runs on a virtual X display (Xvfb) and is driven as a teacher would drive it,
with xdotool: rest, charge, "Стоп", "Пуск ", the key P (pause). Over each phase the CPU time of both processes
is read from /proc/PID/stat, and the repaints are counted as the server sees them through the
X DAMAGE extension: damage reports closer than a few milliseconds belong to one frame, and
each report is one rectangle the program's flush put on the window (every rectangle is a
request, and a completion event back, between the program and the server).

    bench/cpu_under_xvfb.py build/app/oscillations            # scale 1 and 2, 8 s a phase
    bench/cpu_under_xvfb.py --scale 2 --seconds 4 PROGRAM [PROGRAM ...]
    bench/cpu_under_xvfb.py --runs 5 --no-damage OLD NEW      # CPU only, medians of 5 turns
    bench/cpu_under_xvfb.py --scale 1 "build/bench/qt_floor 31 60 20 one"   # with arguments
    bench/cpu_under_xvfb.py --keys "minus minus minus" PROGRAM              # at a tenth of the speed

Needs Debian's xvfb, xdotool and python3-xlib; it is run by hand, not by the test suite.
"""
import argparse
import os
import statistics
import shlex
import subprocess
import sys
import threading
import time

from Xlib import display, error
from Xlib.ext import damage

FRAME_GAP_MS = 4  # ms: damage closer than this to the last report is the same repaint

# The switch's three positions: centres of their hot areas, in twips of the window's client area.
SWITCH = {"on": (7230 + 555 // 2, 1560 + 525 // 2),
          "key": (8010 + 555 // 2, 1560 + 555 // 2),
          "pow": (8760 + 555 // 2, 1560 + 525 // 2)}
TWIPS_PER_PIXEL = 15


def cpu_seconds(pid):
    """CPU time of all the process's threads, from the scheduler's nanosecond account (the
    tick counts of /proc/PID/stat are too coarse for a few per cent over a few seconds)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return total / 1e9


class DamageCounter(threading.Thread):
    """Counts the repaints of one window as bursts of DAMAGE reports."""

    def __init__(self, dpy_name, window_id):
        super().__init__(daemon=True)
        self.dpy = display.Display(dpy_name)
        if not self.dpy.has_extension("DAMAGE"):
            sys.exit("the X server has no DAMAGE extension")
        self.dpy.damage_query_version()
        win = self.dpy.create_resource_object("window", window_id)
        win.damage_create(damage.DamageReportRawRectangles)
        self.dpy.flush()
        self.lock = threading.Lock()
        self.frames = 0
        self.rectangles = 0  # one report per rectangle the program's flush put on the window
        self.last_ms = None

    def run(self):
        while True:
            try:
                e = self.dpy.next_event()
            except error.ConnectionClosedError:
                return  # the server has ended
            if e.type != self.dpy.extension_event.DamageNotify:
                continue
            with self.lock:
                self.rectangles += 1
                if self.last_ms is None or e.timestamp - self.last_ms > FRAME_GAP_MS:
                    self.frames += 1
                self.last_ms = e.timestamp

    def take(self):
        """Frames and rectangles since the last call."""
        with self.lock:
            n, r = self.frames, self.rectangles
            self.frames = self.rectangles = 0
            return n, r


def xdotool(*args, env):
    return subprocess.run(["xdotool", *args], env=env, check=True, capture_output=True, text=True).stdout


def measure(program, scale, seconds, display_number, count_damage=True, keys=""):
    name = f":{display_number}"
    width, height = (1920, 1200) if scale == 1 else (2560, 1600)
    xvfb = subprocess.Popen(["Xvfb", name, "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=str(scale))
    env.pop("QT_QPA_PLATFORMTHEME", None)
    prog = None
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display_number}"):
                break
            time.sleep(0.05)
        prog = subprocess.Popen(shlex.split(program), env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = int(xdotool("search", "--sync", "--pid", str(prog.pid), "--name", "колебания", env=env).split()[0])
        time.sleep(2.0)  # start-up and the first paints
        if keys:  # for example the lesson's speed: "minus minus minus" is a tenth
            # Keys reach the window once a click has given it the focus: a click on the bare
            # window, left of the title, does nothing else.
            xdotool("mousemove", "--window", str(window), str(5 * scale), str(5 * scale), "click", "1", env=env)
            xdotool("key", "--window", str(window), *keys.split(), env=env)
        counter = DamageCounter(name, window) if count_damage else None
        if counter:
            counter.start()

        def click(position):
            x, y = SWITCH[position]
            px = int(x * scale / TWIPS_PER_PIXEL)
            py = int(y * scale / TWIPS_PER_PIXEL)
            xdotool("mousemove", "--window", str(window), str(px), str(py), "click", "1", env=env)

        def phase(label):
            if counter:
                counter.take()
            p0, x0, t0 = cpu_seconds(prog.pid), cpu_seconds(xvfb.pid), time.monotonic()
            time.sleep(seconds)
            p1, x1, t1 = cpu_seconds(prog.pid), cpu_seconds(xvfb.pid), time.monotonic()
            wall = t1 - t0
            frames, rectangles = counter.take() if counter else (0, 0)
            return {"phase": label, "program": 100 * (p1 - p0) / wall, "xserver": 100 * (x1 - x0) / wall,
                    "fps": frames / wall, "rects": rectangles / frames if frames else 0.0}

        rows = [phase("rest")]
        click("pow")
        rows.append(phase("charging"))
        click("key")
        time.sleep(0.5)
        click("on")
        rows.append(phase("oscillating"))
        xdotool("key", "--window", str(window), "p", env=env)
        rows.append(phase("paused"))
        xdotool("key", "--window", str(window), "p", env=env)
        click("key")
        return rows
    finally:
        if prog:
            prog.terminate()
            prog.wait(timeout=10)
        xvfb.terminate()
        xvfb.wait(timeout=10)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("programs", nargs="+",
                    help="the program(s) to measure, one after the other; quoted, with arguments")
    ap.add_argument("--scale", type=int, action="append", help="1 or 2 (QT_SCALE_FACTOR); default both")
    ap.add_argument("--seconds", type=float, default=8.0, help="length of each phase")
    ap.add_argument("--display", type=int, default=97, help="the number of the virtual display")
    ap.add_argument("--runs", type=int, default=1, help="runs, the programs taking turns; then the medians")
    ap.add_argument("--keys", default="", help='keys pressed before the rest phase, as xdotool names them '
                    '("minus minus minus": the lesson at a tenth of its speed; "plus plus": five times)')
    ap.add_argument("--no-damage", action="store_true",
                    help="CPU only: no DAMAGE listener, whose reports cost the X server a little")
    args = ap.parse_args()
    print(f"{'program':40} {'scale':>5} {'phase':12} {'program %':>9} {'X server %':>10} {'sum %':>6} {'frames/s':>8} {'rects/frame':>11}")
    sums = {}
    for _ in range(args.runs):
        for scale in args.scale or [1, 2]:
            for program in args.programs:
                for r in measure(program, scale, args.seconds, args.display, not args.no_damage, args.keys):
                    total = r["program"] + r["xserver"]
                    sums.setdefault((program, scale, r["phase"]), []).append(total)
                    print(f"{program[-40:]:40} {scale:>5} {r['phase']:12} {r['program']:9.1f} {r['xserver']:10.1f} "
                          f"{total:6.1f} {r['fps']:8.1f} {r['rects']:11.1f}", flush=True)
    if args.runs > 1:
        print("\nprogram + X server, median (lowest-highest) of the runs:")
        for (program, scale, phase), v in sums.items():
            print(f"{program[-40:]:40} {scale:>5} {phase:12} {statistics.median(v):6.1f} ({min(v):.1f}-{max(v):.1f})")


if __name__ == "__main__":
    main()
