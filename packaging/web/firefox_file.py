#!/usr/bin/python3
"""Opens the page in Debian's Firefox ESR as file://, with no server, as a double click opens it
from a USB stick, checks that the scene is painted and that the capacitor charges, and counts
the frames a second and Firefox's CPU while it oscillates (run by test.sh).

Firefox is driven through its own remote protocol (Marionette, built into Firefox), on a
virtual X display, with a fresh profile that asks the network for nothing.

    firefox_file.py PAGE_FOLDER NATIVE_PICTURES OUT_FOLDER [SECONDS]
"""
import base64
import io
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import drive  # noqa: E402  (the scene's geometry and the checks it shares)

PREFS = {
    "marionette.port": 0,  # set below
    "intl.accept_languages": "ru",  # a Russian browser: the lesson speaks its language
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.aboutwelcome.enabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "app.update.disabledForTesting": True,
    "app.normandy.enabled": False,
    "extensions.update.enabled": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "network.connectivity-service.enabled": False,
    "network.captive-portal-service.enabled": False,
    "browser.newtabpage.enabled": False,
    "browser.startup.page": 0,
    # The virtual display has no GPU: WebGL from the software renderer.
    "webgl.force-enabled": True,
}


class Marionette:
    def __init__(self, port):
        for _ in range(300):
            try:
                self.sock = socket.create_connection(("127.0.0.1", port))
                break
            except OSError:
                time.sleep(0.1)
        else:
            raise RuntimeError("Firefox did not open its remote port")
        self.buf = b""
        self.id = 0
        self.receive()  # the greeting

    def receive(self):
        while b":" not in self.buf:
            self.buf += self.sock.recv(65536)
        length, rest = self.buf.split(b":", 1)
        while len(rest) < int(length):
            rest += self.sock.recv(1 << 20)
        self.buf = rest[int(length):]
        return json.loads(rest[:int(length)])

    def __call__(self, command, **params):
        self.id += 1
        data = json.dumps([0, self.id, command, params]).encode()
        self.sock.sendall(str(len(data)).encode() + b":" + data)
        while True:
            reply = self.receive()
            if reply[0] == 1 and reply[1] == self.id:
                if reply[2]:
                    raise RuntimeError(f"{command}: {reply[2]}")
                return reply[3]


def main():
    page, native, out = sys.argv[1:4]
    seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 10.0
    os.makedirs(out, exist_ok=True)
    native_start = Image.open(os.path.join(native, "01-start.png")).convert("RGB")
    url = "file://" + os.path.abspath(os.path.join(page, "oscillations.html"))
    size = drive.NATURAL
    display = drive.free_display()
    xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", f"{size[0] + 200}x{size[1] + 200}x24",
                             "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    profile = tempfile.mkdtemp(prefix="osc-firefox-")
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    PREFS["marionette.port"] = port
    with open(os.path.join(profile, "user.js"), "w") as f:
        for k, v in PREFS.items():
            f.write(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n")
    env = dict(os.environ, DISPLAY=f":{display}", MOZ_CRASHREPORTER_DISABLE="1")
    firefox = subprocess.Popen(["firefox-esr", "--marionette", "--no-remote", "--profile", profile],
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    print(f"== Firefox ESR, the page opened as {url}")
    try:
        m = Marionette(port)
        m("WebDriver:NewSession", capabilities={})
        m("WebDriver:SetWindowRect", x=0, y=0, width=size[0], height=size[1])
        inner = m("WebDriver:ExecuteScript", script="return [window.innerWidth, window.innerHeight]", args=[])["value"]
        rect = m("WebDriver:GetWindowRect")
        m("WebDriver:SetWindowRect", x=0, y=0, width=rect["width"] + size[0] - inner[0],
          height=rect["height"] + size[1] - inner[1])
        opened = time.monotonic()
        m("WebDriver:Navigate", url=url)

        def picture(name=None):
            png = base64.b64decode(m("WebDriver:TakeScreenshot", full=False)["value"])
            image = Image.open(io.BytesIO(png)).convert("RGB")
            if name:
                image.save(os.path.join(out, name + ".png"))
            return image

        first = None
        while time.monotonic() - opened < 60:
            shot = picture()
            if shot.size == native_start.size:
                diff = ImageChops.difference(shot, native_start).convert("L").point(lambda v: 255 if v else 0)
                if sum(1 for v in diff.getdata() if v) / (size[0] * size[1]) < 0.05:
                    first = time.monotonic() - opened
                    break
            time.sleep(0.1)
        ok = first is not None
        print(("ok: " if ok else "FAIL: ") + "Firefox, from file://: the scene is painted" +
              (f" ({first:.2f} s after the page was asked for)" if ok else f" (picture {shot.size})"))
        picture("01-start")
        if not ok:
            return 1
        # A click as the page gets it: the events Firefox makes for a mouse.
        x, y = (v / drive.TWIPS_PER_PIXEL for v in drive.CHARGE)
        m("WebDriver:PerformActions", actions=[{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                                               "actions": [{"type": "pointerMove", "x": int(x), "y": int(y)},
                                                           {"type": "pointerDown", "button": 0},
                                                           {"type": "pointerUp", "button": 0}]}])
        time.sleep(3)
        charged = picture("02-charging")
        p = charged.getpixel(tuple(int(v / drive.TWIPS_PER_PIXEL) for v in drive.UPPER_PLATE))
        ok = drive.reddish(p)
        print(("ok: " if ok else "FAIL: ") + f"Firefox, from file://: the capacitor charges (upper plate {p})")
        if not ok:
            return 1
        # Frames and CPU while oscillating, counted as drive.py counts them in Chromium.
        m("WebDriver:ExecuteScript", script=drive.FRAME_COUNTER, args=[])
        for twips, pause in ((drive.STOP, 0.5), (drive.START, 1.5)):
            x, y = (int(v / drive.TWIPS_PER_PIXEL) for v in twips)
            m("WebDriver:PerformActions", actions=[{"type": "pointer", "id": "mouse",
                                                   "parameters": {"pointerType": "mouse"},
                                                   "actions": [{"type": "pointerMove", "x": x, "y": y},
                                                               {"type": "pointerDown", "button": 0},
                                                               {"type": "pointerUp", "button": 0}]}])
            time.sleep(pause)
        pids = drive.descendants(firefox.pid)
        frames = lambda: m("WebDriver:ExecuteScript", script="return window.__frames", args=[])["value"]  # noqa: E731
        f0, c0, t0 = frames(), sum(drive.cpu_seconds(p) for p in pids), time.monotonic()
        time.sleep(seconds)
        f1, c1, t1 = frames(), sum(drive.cpu_seconds(p) for p in pids), time.monotonic()
        print(f"Firefox oscillating at {size[0]} x {size[1]}: {(f1 - f0) / (t1 - t0):.1f} frames a second, "
              f"Firefox CPU {100 * (c1 - c0) / (t1 - t0):.0f} % of a core (all its processes, over {seconds:.0f} s)")
        return 0
    finally:
        firefox.terminate()
        try:
            firefox.wait(10)
        except subprocess.TimeoutExpired:
            firefox.kill()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
