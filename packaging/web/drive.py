#!/usr/bin/python3
"""Drives the lesson in the browser as a teacher would, and measures it (run by test.sh).

The page is served on 127.0.0.1 only and opened in Debian's Chromium (through chromium-driver)
on a virtual X display, its window sized so that the page has exactly the size wanted:
first at the scene's natural size (1014 x 734), then at 1920 x 1080. Clicks and keys go to the
page as the browser's own input events (the DevTools protocol), at the switch's hot areas.

Frames are counted where the program's pictures reach the screen: every WebGL draw call
of the page is counted, and a display frame in which any was made is one frame the program
painted. CPU is the scheduler's account of every process of that browser.

    drive.py PAGE_FOLDER NATIVE_PICTURES OUT_FOLDER [--seconds 10]
"""
import argparse
import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from PIL import Image, ImageChops
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

NATURAL = (1014, 734)  # the scene at scale 1, in pixels
TWIPS_PER_PIXEL = 15
SCENE_TWIPS = (15210, 11010)
# Centres of the hot areas, in twips of the scene.
CHARGE = (9037, 1822)   # "Зарядить конденсатор"
STOP = (8287, 1837)     # "Стоп"
START = (7507, 1822)    # "Пуск "
EXIT = (11422, 10057)   # "Выход"
UPPER_PLATE = (7400, 3120)
LOWER_PLATE = (7400, 4110)
PAUSE_MARK = (3720, 885, 5400, 660)  # left, top, width, height of the red "Пауза"
SLIDERS = (8625, 6675, 15000, 8475)  # left, top, right, bottom of the two sliders
MENU_AT = (9750, 4950)  # a free place of the scene, right of the ammeter

# Counts the page's WebGL draws and the display frames that had any, before the page's scripts run.
FRAME_COUNTER = """
(function () {
  let draws = 0, last = 0;
  window.__frames = 0;
  const wrap = function (proto) {
    if (!proto) return;
    for (const name of ['drawArrays', 'drawElements']) {
      const original = proto[name];
      proto[name] = function () { draws++; return original.apply(this, arguments); };
    }
  };
  wrap(window.WebGLRenderingContext && WebGLRenderingContext.prototype);
  wrap(window.WebGL2RenderingContext && WebGL2RenderingContext.prototype);
  const tick = function () {
    if (draws !== last) { window.__frames++; last = draws; }
    requestAnimationFrame(tick);
  };
  requestAnimationFrame(tick);
  window.__contextMenuPrevented = null;
  document.addEventListener('contextmenu', function (e) { window.__contextMenuPrevented = e.defaultPrevented; });
})();
"""

failures = 0


def check(ok, what):
    global failures
    print(("ok: " if ok else "FAIL: ") + what)
    if not ok:
        failures += 1
    return ok


def serve(folder):
    """A static server of the folder on 127.0.0.1 and a free port; returns the port."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


def free_display():
    n = 90
    while os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"):
        n += 1
    return n


def cpu_seconds(pid):
    total = 0
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                    total += int(f.read().split()[0])
            except (FileNotFoundError, ProcessLookupError):
                pass
    except FileNotFoundError:
        pass
    return total / 1e9


def descendants(root):
    """The process and all below it."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    ppid = int(f.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(ppid, []).append(int(entry))
            except (FileNotFoundError, ProcessLookupError, IndexError):
                pass
    out, todo = [], [root]
    while todo:
        pid = todo.pop()
        out.append(pid)
        todo.extend(children.get(pid, []))
    return out


class Browser:
    def __init__(self, size, url, out):
        self.size, self.out = size, out
        self.display = free_display()
        # Room around the page for the browser's own frame, which is measured and made up for.
        self.xvfb = subprocess.Popen(["Xvfb", f":{self.display}", "-screen", "0", f"{size[0] + 200}x{size[1] + 200}x24",
                                      "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{self.display}"):
                break
            time.sleep(0.05)
        self.profile = tempfile.mkdtemp(prefix="osc-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for arg in ["--test-type", f"--window-size={size[0]},{size[1]}", "--window-position=0,0",
                    f"--user-data-dir={self.profile}", "--no-first-run", "--no-default-browser-check",
                    "--disable-background-networking", "--disable-component-update", "--disable-sync",
                    "--disable-default-apps", "--disable-extensions", "--password-store=basic",
                    # The virtual display has no GPU: WebGL from Chromium's software renderer.
                    "--enable-unsafe-swiftshader",
                    # A Russian browser: the lesson speaks the browser's language, and the
                    # native pictures it is compared with are the Russian lesson's.
                    "--lang=ru",
                    "--no-sandbox" if os.geteuid() == 0 else "--enable-sandbox"]:
            options.add_argument(arg)
        options.add_experimental_option("prefs", {"intl.accept_languages": "ru"})
        options.add_experimental_option("excludeSwitches", ["enable-automation"])
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        env = dict(os.environ, DISPLAY=f":{self.display}")
        service = Service("/usr/bin/chromedriver", env=env)
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver_pid = service.process.pid
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=FRAME_COUNTER)
        # The page (the viewport) gets exactly the size asked for, whatever the browser's frame takes.
        self.driver.get("about:blank")
        for _ in range(3):
            inner = self.js("[window.innerWidth, window.innerHeight]")
            if tuple(inner) == tuple(size):
                break
            outer = self.driver.get_window_size()
            self.driver.set_window_size(outer["width"] + size[0] - inner[0], outer["height"] + size[1] - inner[1])
            time.sleep(0.3)
        self.opened = time.monotonic()
        self.driver.get(url)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def js(self, script):
        return self.driver.execute_script("return " + script)

    def picture(self, name=None):
        path = os.path.join(self.out, (name or "_latest") + ".png")
        with open(path, "wb") as f:
            f.write(self.driver.get_screenshot_as_png())
        return Image.open(path).convert("RGB")

    # Where a point of the scene (in twips) is on the page: the scene scaled to fit, centred.
    def scale(self):
        return min(self.size[0] / NATURAL[0], self.size[1] / NATURAL[1])

    def at(self, twips):
        s = self.scale()
        ox = (self.size[0] - round(NATURAL[0] * s)) // 2
        oy = (self.size[1] - round(NATURAL[1] * s)) // 2
        return ox + twips[0] / TWIPS_PER_PIXEL * s, oy + twips[1] / TWIPS_PER_PIXEL * s

    def click(self, twips, button="left"):
        x, y = self.at(twips)
        self.cdp("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button, clickCount=1)

    def key(self, key, code, vk):
        for kind in ("keyDown", "keyUp"):
            params = dict(type=kind, key=key, code=code, windowsVirtualKeyCode=vk, nativeVirtualKeyCode=vk)
            if kind == "keyDown" and len(key) == 1:
                params["text"] = key
            self.cdp("Input.dispatchKeyEvent", **params)

    def without_sliders(self, image):
        out = image.copy()
        out.paste((0, 0, 0), tuple(int(v) for v in self.at(SLIDERS[:2]) + self.at(SLIDERS[2:])))
        return out

    def pixel(self, image, twips):
        x, y = self.at(twips)
        return image.getpixel((int(x), int(y)))

    def processes(self):
        return [p for p in descendants(self.driver_pid) if p != self.driver_pid]

    def measure(self, seconds):
        """Frames a second and CPU (per cent of one core) of the whole browser over `seconds`,
        and the CPU of each kind of its processes (the page's renderer, the GPU process, ...)."""
        pids = self.processes()

        def kind(pid):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    args = f.read().replace(b"\0", b" ").split()  # Chromium rewrites its titles
            except FileNotFoundError:
                return "gone"
            types = [a[7:].decode() for a in args if a.startswith(b"--type=")]
            return types[0] if types else "browser"

        kinds = {p: kind(p) for p in pids}
        c0 = {p: cpu_seconds(p) for p in pids}
        f0, t0 = self.js("window.__frames"), time.monotonic()
        time.sleep(seconds)
        f1, t1 = self.js("window.__frames"), time.monotonic()
        c1 = {p: cpu_seconds(p) for p in pids}
        self.last_kinds = {}
        for p in pids:
            self.last_kinds[kinds[p]] = self.last_kinds.get(kinds[p], 0) + 100 * (c1[p] - c0[p]) / (t1 - t0)
        return (f1 - f0) / (t1 - t0), sum(self.last_kinds.values())

    def console(self):
        try:
            return [e["message"] for e in self.driver.get_log("browser")]
        except Exception:  # noqa: BLE001 - a driver without the log
            return []

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.xvfb.terminate()
            self.xvfb.wait()
            shutil.rmtree(self.profile, ignore_errors=True)


def reddish(p):
    return p[0] >= 230 and p[1] < 60 and p[2] < 60


def bluish(p):
    return p[2] >= 230 and p[0] < 60 and p[1] < 60


def compare(web, native, out):
    """Shares of pixels that differ at all, and by more than 64 in a channel; a picture of where."""
    diff = ImageChops.difference(web, native)
    gray = diff.convert("L").point(lambda v: 255 if v else 0)
    big = diff.point(lambda v: 255 if v > 64 else 0).convert("L").point(lambda v: 255 if v else 0)
    n = web.size[0] * web.size[1]
    any_share = sum(1 for v in gray.getdata() if v) / n
    big_share = sum(1 for v in big.getdata() if v) / n
    gray.save(out)
    return any_share, big_share


def wait_painted(browser, native_start, limit=60):
    """Seconds from opening the page until its picture is the scene (within 5 % of the native)."""
    while time.monotonic() - browser.opened < limit:
        shot = browser.picture()
        if shot.size == native_start.size:
            any_share, _ = compare(shot, native_start, os.path.join(browser.out, "_diff.png"))
            if any_share < 0.05:
                return time.monotonic() - browser.opened
        time.sleep(0.05)
    return None


def oscillate_and_measure(b, seconds, prefix):
    b.click(CHARGE)
    time.sleep(4)
    b.picture(f"{prefix}02-charging")
    b.click(STOP)
    time.sleep(1)
    stopped = b.picture(f"{prefix}03-stopped")
    check(reddish(b.pixel(stopped, UPPER_PLATE)) and bluish(b.pixel(stopped, LOWER_PLATE)),
          f"{prefix}charged: the upper plate is red, the lower blue")
    b.click(START)
    time.sleep(0.3)
    seen_red = seen_blue = False
    for i in range(40):
        shot = b.picture(f"{prefix}04-oscillating")
        seen_red = seen_red or reddish(b.pixel(shot, UPPER_PLATE))
        seen_blue = seen_blue or bluish(b.pixel(shot, UPPER_PLATE))
        if seen_red and seen_blue:
            break
        time.sleep(0.1)
    check(seen_red and seen_blue, f"{prefix}oscillating: the upper plate was red and blue in turn")
    fps, cpu = b.measure(seconds)
    print(f"{prefix}oscillating at {b.size[0]} x {b.size[1]}: {fps:.1f} frames a second, "
          f"browser CPU {cpu:.0f} % of a core (all its processes, over {seconds:.0f} s: " +
          ", ".join(f"{k} {v:.0f} %" for k, v in sorted(b.last_kinds.items(), key=lambda kv: -kv[1])) + ")")
    return fps, cpu


def open_as_file(args):
    """The page opened from its folder, as a double click opens it: painted, and it charges."""
    url = "file://" + os.path.abspath(os.path.join(args.page, "oscillations.html"))
    native_start = Image.open(os.path.join(args.native, "01-start.png")).convert("RGB")
    print(f"== The page opened as {url}")
    b = Browser(NATURAL, url, args.out)
    try:
        first = wait_painted(b, native_start)
        if check(first is not None, "from file://: the scene is painted"):
            print(f"first painted scene {first:.2f} s after the page was asked for")
            b.click(CHARGE)
            time.sleep(3)
            check(reddish(b.pixel(b.picture("02-charging"), UPPER_PLATE)), "from file://: the capacitor charges")
        else:
            print("\n".join(b.console()))
    finally:
        b.close()
    for f in os.listdir(args.out):
        if f.startswith("_"):
            os.remove(os.path.join(args.out, f))
    return 1 if failures else 0


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("page")
    ap.add_argument("native")
    ap.add_argument("out")
    ap.add_argument("--seconds", type=float, default=10.0)
    ap.add_argument("--file", action="store_true", help="open the page as file://, with no server, and only start it")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    if args.file:
        return open_as_file(args)
    port = serve(args.page)
    url = f"http://127.0.0.1:{port}/oscillations.html"
    native_start = Image.open(os.path.join(args.native, "01-start.png")).convert("RGB")
    figures = {}

    print(f"== 1. At the natural size, {NATURAL[0]} x {NATURAL[1]}, from {url}")
    b = Browser(NATURAL, url, args.out)
    try:
        first = wait_painted(b, native_start)
        if not check(first is not None, "the scene is painted within 60 s"):
            print("\n".join(b.console()))
            return 1
        print(f"first painted scene {first:.2f} s after the page was asked for "
              f"(pictures taken every ~0.1 s)")
        figures["first_paint_s"] = first
        time.sleep(1)
        start = b.picture("01-start")
        any_share, big_share = compare(start, native_start, os.path.join(args.out, "01-start-diff.png"))
        print(f"start-up picture against the native headless one: {100 * any_share:.2f} % of pixels differ "
              f"at all, {100 * big_share:.2f} % by more than 64 in a channel")
        figures["start_differs_any"], figures["start_differs_64"] = any_share, big_share
        check(big_share < 0.02, "the start-up picture is the native one (< 2 % of pixels differ by > 64)")
        check(b.pixel(start, UPPER_PLATE) == (255, 255, 255), "start: the upper plate is white")

        figures["natural_fps"], figures["natural_cpu"] = oscillate_and_measure(b, args.seconds, "")

        b.key("p", "KeyP", 80)
        time.sleep(0.5)
        paused = b.picture("05-paused")
        left, top, w, h = PAUSE_MARK
        x0, y0 = b.at((left, top))
        x1, y1 = b.at((left + w, top + h))
        mark = paused.crop((int(x0), int(y0), int(x1), int(y1)))
        red = sum(1 for p in mark.getdata() if p[0] > 150 and p[1] < 60 and p[2] < 60)
        time.sleep(1)
        still = b.picture("05-paused-later")
        check(red > 100 and ImageChops.difference(paused, still).getbbox() is None,
              f"P pauses: a red \"Пауза\" ({red} red pixels) and nothing moves for a second")
        fps, cpu = b.measure(3)
        print(f"paused: {fps:.1f} frames a second, browser CPU {cpu:.0f} % of a core")

        # While nothing moves, what the right button shows is the menu alone.
        x, y = b.at(MENU_AT)
        b.click(MENU_AT, button="right")
        time.sleep(0.5)
        menu = b.picture("06-context-menu")
        check(b.js("window.__contextMenuPrevented") is True, "the browser's context menu is kept off the scene")
        box = ImageChops.difference(menu, still).getbbox()
        check(box is not None and abs(box[0] - x) <= 4 and abs(box[1] - y) <= 4 and
              60 < box[2] - box[0] < 400 and 30 < box[3] - box[1] < 300,
              f"the program's own menu opens where the right button was pressed ({box})")
        # Its last entry, "Во весь экран", by the keys (up from none chosen is the last): the
        # browser's own full screen.
        for k in (("ArrowUp", "ArrowUp", 38), ("Enter", "Enter", 13)):
            b.key(*k)
        time.sleep(1)
        check(b.js("document.fullscreenElement !== null"), "\"Во весь экран\": the browser shows the page full screen")
        b.key("Escape", "Escape", 27)
        time.sleep(1)
        check(b.js("document.fullscreenElement === null"), "Esc: the browser leaves the full screen")
        back = b.picture("08-after-full-screen")
        # The sliders' ticks are shaded a little differently from one rendering to the next.
        changed = ImageChops.difference(b.without_sliders(still), b.without_sliders(back)).getbbox()
        check(changed is None, f"the scene stands as it was, paused, at its place (changed: {changed})")

        b.key("p", "KeyP", 80)
        time.sleep(0.5)
        check(ImageChops.difference(still, b.picture("_resumed")).getbbox() is not None, "P again: it moves on")

        b.click(STOP)
        time.sleep(0.5)
        b.click(EXIT)
        time.sleep(1.5)
        over = b.js("document.getElementById('over').hidden === false && "
                    "document.getElementById('screen').hidden === true && document.title")
        check(over == "Урок окончен", "\"Выход\": the page says the lesson is over")
        b.picture("07-lesson-over")
        errors = [m for m in b.console() if "SEVERE" in m or "error" in m.lower()]
        check(not errors, "no errors in the browser's console" + ("".join("\n  " + e for e in errors)))
    finally:
        b.close()

    big = (1920, 1080)
    print(f"== 2. At {big[0]} x {big[1]}")
    b = Browser(big, url, args.out)
    try:
        time.sleep(1)
        for _ in range(600):
            shot = b.picture()
            if shot.getpixel(tuple(int(v) for v in b.at(LOWER_PLATE))) == (255, 255, 255):
                break
            time.sleep(0.1)
        time.sleep(1)
        shot = b.picture("11-start-1920x1080")
        # The scene is centred: the bands left and right of it are the page's, not the scene's.
        ox = int(b.at((0, 0))[0])
        check(ox > 100 and shot.getpixel((ox // 2, 540)) == shot.getpixel((1920 - ox // 2, 540)),
              f"the scene is scaled by {b.scale():.3f} and centred (bands of {ox} px)")
        figures["big_fps"], figures["big_cpu"] = oscillate_and_measure(b, args.seconds, "1920x1080 ")
        b.picture("12-oscillating-1920x1080")
    finally:
        b.close()
    for f in os.listdir(args.out):
        if f.startswith("_"):
            os.remove(os.path.join(args.out, f))
    with open(os.path.join(args.out, "figures.json"), "w") as f:
        json.dump(figures, f, indent=1)
    print(f"== {failures} failure(s); pictures in {args.out}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
