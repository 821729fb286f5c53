#!/usr/bin/python3
"""Hear what the Orca screen reader says of a program: run it in a private desktop session with
Orca speaking Russian, walk through it with the keyboard as a blind user would, and print what
Orca spoke, in order, as Orca logged it ("SPEECH OUTPUT: '...'").

    scripts/orca_listen.py [--walk NAME | --steps STEPS] [options] PROGRAM [ARGUMENTS...]

Everything runs privately and ends with the script: a virtual display (Xvfb) with openbox, a
D-Bus session bus, the accessibility bus, speech-dispatcher (espeak-ng, Russian, sound sent
nowhere through libao's null driver) and Orca in a Russian locale built into a private
directory. Nothing of the system's configuration is read or changed.

A walk is a list of steps (see WALKS); --steps gives one on the command line, steps separated
by ";", for example
    --steps "tab_to:Стоп; key:space; wait:3; key:KP_Enter"
Steps:
    key:KEYS            press keys (xdotool names: Tab, shift+Tab, space, KP_Enter, r, insert+KP_Enter)
    tab_to:NAME         press Tab until the focused element is named NAME (trailing spaces
                        ignored), at most 30 times
    back_to:NAME        the same with Shift+Tab
    tab_round           press Tab until the focus comes back where it was
    wait:SECONDS        listen without pressing anything
    run:COMMAND         run a shell command in the session (its output is printed after "#   "),
                        for a program that takes orders from outside, e.g. through a named pipe
A step's speech is printed under a "# step" line. Orca's speech while the program starts is
printed under "# start".
"""
import argparse
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))

# The lesson as issue 27 walks it: through the window, charge, stop, start, listen.
WALKS = {
    "lesson": [
        ("tab_round", None),
        ("tab_to", "Зарядить конденсатор"),
        ("key", "KP_Enter"),  # Orca's "where am I" (desktop layout)
        ("key", "space"),
        ("wait", "6"),
        ("back_to", "Стоп"),
        ("key", "space"),
        ("wait", "2"),
        ("back_to", "Пуск"),
        ("key", "space"),
        ("wait", "5"),
        ("key", "KP_Enter"),
        ("key", "Tab"),
        ("key", "Tab"),
        ("wait", "2"),
        # Then what issue 27 added: a slider's meaning, the readings (R), a pause (P) and
        # back, the readings by Tab, and a switch position unavailable while oscillating.
        ("tab_to", "Частота колебаний: период 2 с"),
        ("key", "Right"),
        ("key", "r"),
        ("wait", "4"),
        ("key", "p"),
        ("wait", "2"),
        ("key", "p"),
        ("tab_to", "Напряжение"),
        ("key", "Tab"),
        ("key", "KP_Enter"),
        ("back_to", "Зарядить конденсатор"),
        ("key", "space"),
        ("wait", "3"),
    ],
    # Only what Orca says as the window opens, and the first Tab.
    "start": [("key", "Tab")],
}

SETTLE = 1.2  # s after each key press before its speech is read: Orca speaks within ~0.3 s
LOCALE = "ru_RU.UTF-8"


def parse_steps(text):
    steps = []
    for part in text.split(";"):
        part = part.strip()
        if not part:
            continue
        kind, _, arg = part.partition(":")
        kind = kind.strip()
        if kind not in ("key", "tab_to", "back_to", "tab_round", "wait", "run"):
            raise SystemExit(f"unknown step {part!r}")
        steps.append((kind, arg.strip() or None))
    return steps


class Session:
    """The private desktop session: its directories, its environment and the processes it started."""

    def __init__(self, keep_dir=None):
        self.dir = keep_dir or tempfile.mkdtemp(prefix="orca-listen-")
        os.makedirs(self.dir, exist_ok=True)
        self.procs = []  # (name, Popen), in the order started
        self.env = None

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def start(self, name, argv, **kw):
        log = open(self.path(name + ".log"), "wb")
        p = subprocess.Popen(argv, env=self.env, stdout=kw.pop("stdout", log), stderr=log,
                             stdin=subprocess.DEVNULL, start_new_session=True, **kw)
        self.procs.append((name, p))
        return p

    # ---- set-up -------------------------------------------------------------------------

    def locale_dir(self, cache):
        """A Russian locale for this session only: Orca speaks English under C.UTF-8."""
        target = os.path.join(cache, LOCALE)
        if not os.path.isdir(target):
            os.makedirs(cache, exist_ok=True)
            subprocess.run(["localedef", "-i", "ru_RU", "-f", "UTF-8", target], check=True,
                           stdout=subprocess.DEVNULL)
        return cache

    def prepare(self, locale_cache):
        home = self.path("home")
        runtime = self.path("runtime")
        for d in (home, runtime, os.path.join(home, ".config"), os.path.join(home, ".cache"),
                  os.path.join(home, ".local", "share")):
            os.makedirs(d, mode=0o700, exist_ok=True)
        # Speech goes nowhere: without a working audio output Orca falls silent after its
        # first lines, so libao gets a driver that accepts the sound and drops it.
        with open(os.path.join(home, ".libao"), "w") as f:
            f.write("default_driver=null\n")
        conf = self.path("speechd")
        os.makedirs(os.path.join(conf, "modules"), exist_ok=True)
        shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf", os.path.join(conf, "modules"))
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "libao"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                    'DefaultModule espeak-ng\n'
                    'DefaultLanguage "ru"\n'
                    'LogLevel 3\n')
        self.env = {
            "PATH": "/usr/local/bin:/usr/bin:/bin",
            "HOME": home,
            "USER": os.environ.get("USER", "root"),
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "LOCPATH": self.locale_dir(locale_cache),
            "LANG": LOCALE,
            "LANGUAGE": "ru",
            "LC_ALL": LOCALE,
            "GSETTINGS_BACKEND": "memory",
            "SPEECHD_ADDRESS": "unix_socket:" + os.path.join(runtime, "speechd.sock"),
            "NO_AT_BRIDGE": "0",
        }

    def launch_desktop(self):
        # The display: Xvfb writes the number it took to a pipe once it accepts connections.
        rfd, wfd = os.pipe()
        self.start("xvfb", ["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp", "-noreset"], pass_fds=(wfd,))
        os.close(wfd)
        number = read_line(rfd, 15)
        os.close(rfd)
        if not number:
            raise RuntimeError("Xvfb did not start (see xvfb.log)")
        self.env["DISPLAY"] = ":" + number

        rfd, wfd = os.pipe()
        self.start("dbus", ["dbus-daemon", "--session", "--nofork", f"--print-address={wfd}"],
                   pass_fds=(wfd,))
        os.close(wfd)
        address = read_line(rfd, 10)
        os.close(rfd)
        if not address:
            raise RuntimeError("dbus-daemon did not start (see dbus.log)")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

        self.start("at-spi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.start("openbox", ["openbox", "--sm-disable"])
        self.start("speechd", ["speech-dispatcher", "--run-single", "--timeout", "0",
                               "--config-dir", self.path("speechd"),
                               "--communication-method", "unix_socket",
                               "--socket-path", os.path.join(self.env["XDG_RUNTIME_DIR"], "speechd.sock"),
                               "--log-dir", self.dir, "--pid-file", self.path("speechd.pid")])
        wait_for(lambda: os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], "speechd.sock")), 10)
        time.sleep(1.0)  # the a11y bus, openbox

    def launch_orca(self):
        self.orca_log = self.path("orca-debug.log")
        self.start("orca", ["/usr/bin/python3", os.path.join(HERE, "orca_logged.py"), self.orca_log])
        ok = wait_for(lambda: "ORCA: Starting ATSPI registry." in read_text(self.orca_log), 30)
        if not ok:
            raise RuntimeError("Orca did not start (see orca.log and orca-debug.log)")
        time.sleep(1.0)

    # ---- the end ------------------------------------------------------------------------

    def stop_all(self):
        """Ends every process this session started, and what they started, by their ids."""
        for name, p in reversed(self.procs):
            if p.poll() is None:
                try:
                    p.send_signal(signal.SIGTERM)
                except ProcessLookupError:
                    pass
                try:
                    p.wait(timeout=5 if name == "orca" else 3)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait(timeout=3)
        # What they left behind (the accessibility bus's daemon and registry, speech
        # modules): as the sub-reaper of this session, this script is their parent now.
        for sig, pause in ((signal.SIGTERM, 1.0), (signal.SIGKILL, 0.5)):
            left = descendants(os.getpid())
            for pid in left:
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            if left:
                time.sleep(pause)
            reap()
        left = descendants(os.getpid())
        if left:
            print(f"# could not end: {left}", file=sys.stderr)


def read_line(fd, timeout):
    import select
    data = b""
    deadline = time.time() + timeout
    while time.time() < deadline and not data.endswith(b"\n"):
        r, _, _ = select.select([fd], [], [], max(0.0, deadline - time.time()))
        if not r:
            break
        chunk = os.read(fd, 4096)
        if not chunk:
            break
        data += chunk
    return data.decode().strip()


def read_text(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def wait_for(check, timeout, every=0.2):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if check():
            return True
        time.sleep(every)
    return check()


def descendants(root):
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        fields = stat[stat.rfind(")") + 2:].split()
        if fields[0] == "Z":
            continue
        children.setdefault(int(fields[1]), []).append(int(entry))
    out, todo = [], [root]
    while todo:
        for c in children.get(todo.pop(), []):
            out.append(c)
            todo.append(c)
    return out


def reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


class Speech:
    """Reads Orca's debug log as it grows and picks out what was spoken."""

    TIME = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")

    def __init__(self, path, raw=False):
        self.path = path
        self.offset = 0
        self.raw = raw
        self.pending = ""

    def new_lines(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            f.seek(self.offset)
            data = f.read()
            self.offset = f.tell()
        data = self.pending + data
        # A record may run over several lines (Orca indents the following ones); the last,
        # possibly unfinished one waits for the next read.
        records, current = [], None
        lines = data.split("\n")
        self.pending = lines.pop()  # "" when the data ended with a newline
        for line in lines:
            if self.TIME.match(line) or current is None:
                if current is not None:
                    records.append(current)
                current = line
            else:
                current += "\n" + line.strip()
        if current is not None:
            records.append(current)
        spoken = []
        for r in records:
            body = self.TIME.sub("", r, count=1)
            if not body.startswith("SPEECH OUTPUT:"):
                continue
            if not self.raw:
                # Orca appends the voice (a Python dict) after the quoted text.
                if body.endswith("}"):
                    cut = max(body.rfind("'{"), body.rfind("' {"))
                    if cut > 0:
                        body = body[:cut + 1]
            spoken.append(body)
        return spoken


class Walker:
    """Presses keys on the session's display and finds what has the focus, over AT-SPI."""

    def __init__(self, env, program_pid):
        os.environ.update(env)  # pyatspi connects to this session's buses
        import pyatspi  # noqa: E402 (only now: it reads the environment when imported)
        self.pyatspi = pyatspi
        self.env = env
        self.pid = program_pid

    def app(self):
        for a in self.pyatspi.Registry.getDesktop(0):
            try:
                if a is not None and a.get_process_id() == self.pid:
                    return a
            except Exception:
                pass
        return None

    def focused(self):
        app = self.app()
        if app is None:
            return None
        return self._focused_in(app, 0)

    def _focused_in(self, acc, depth):
        if depth > 30:
            return None
        try:
            if acc.getState().contains(self.pyatspi.STATE_FOCUSED):
                return acc
            for child in acc:
                if child is not None:
                    hit = self._focused_in(child, depth + 1)
                    if hit is not None:
                        return hit
        except Exception:
            return None
        return None

    def focus_name(self):
        f = self.focused()
        if f is None:
            return None
        try:
            return f"{f.getRoleName()} \"{f.name}\""
        except Exception:
            return None

    def press(self, keys):
        subprocess.run(["xdotool", "key", "--delay", "80"] + keys.split(), env=self.env, check=False,
                       timeout=10)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter,
                                     epilog=__doc__.split("\n\n", 2)[2])
    parser.add_argument("program", nargs=argparse.REMAINDER, metavar="PROGRAM [ARGUMENTS...]")
    parser.add_argument("--walk", default="lesson", choices=sorted(WALKS))
    parser.add_argument("--steps", help='steps of its own, for example "key:Tab; wait:2"')
    parser.add_argument("--raw", action="store_true", help="keep Orca's voice details on each line")
    parser.add_argument("--focus", action="store_true", help="print the focused element after each step")
    parser.add_argument("--env", action="append", default=[], metavar="NAME=VALUE",
                        help="set in the program's environment (the session's is its own)")
    parser.add_argument("--keep", metavar="DIR", help="keep the session's logs in DIR")
    parser.add_argument("--locale-cache", default=os.path.join(tempfile.gettempdir(), "orca-listen-locale"),
                        help="where the Russian locale is built once (default: %(default)s)")
    parser.add_argument("--timeout", type=float, default=300, help="end after this many seconds in all")
    args = parser.parse_args()
    if not args.program:
        parser.error("which program?")
    for tool in ("Xvfb", "dbus-daemon", "openbox", "speech-dispatcher", "xdotool", "localedef",
                 "/usr/bin/orca", "/usr/libexec/at-spi-bus-launcher"):
        if not shutil.which(tool):
            raise SystemExit(f"{tool} is missing: apt-get install orca speech-dispatcher "
                             "speech-dispatcher-espeak-ng espeak-ng openbox python3-pyatspi "
                             "gsettings-desktop-schemas at-spi2-core xdotool xvfb locales dbus")
    steps = parse_steps(args.steps) if args.steps else WALKS[args.walk]
    program = [os.path.abspath(args.program[0]) if os.path.exists(args.program[0]) else args.program[0]]
    program += args.program[1:]

    # Whatever a started process leaves behind becomes this script's child, to be ended here.
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)

    def on_alarm(signum, frame):
        raise TimeoutError(f"still running after {args.timeout:g} s")

    signal.signal(signal.SIGALRM, on_alarm)
    signal.signal(signal.SIGTERM, lambda s, f: sys.exit(143))
    signal.alarm(int(args.timeout))

    session = Session(args.keep)
    status = 0
    try:
        session.prepare(args.locale_cache)
        session.launch_desktop()
        session.launch_orca()
        speech = Speech(session.orca_log, args.raw)
        speech.new_lines()  # Orca's greeting: not the program's
        env = dict(session.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        env.update(item.split("=", 1) for item in args.env)
        app_log = open(session.path("program.log"), "wb")
        app = subprocess.Popen(program, env=env, stdout=app_log, stderr=app_log,
                               stdin=subprocess.DEVNULL, start_new_session=True)
        session.procs.append(("program", app))
        walker = Walker(session.env, app.pid)
        if not wait_for(lambda: walker.app() is not None, 30, 0.5):
            raise RuntimeError("the program did not appear on the accessibility bus (see program.log)")
        time.sleep(4.0)  # the window shown, focused, spoken

        def report(title):
            print(f"# {title}")
            for line in speech.new_lines():
                print(line)
            if args.focus:
                print(f"#   focus: {walker.focus_name()}")
            sys.stdout.flush()

        report("start")
        for kind, arg in steps:
            if app.poll() is not None:
                print(f"# the program ended (status {app.returncode})")
                status = 1
                break
            if kind == "key":
                walker.press(arg)
                time.sleep(SETTLE)
                report(f"key {arg}")
            elif kind == "wait":
                time.sleep(float(arg))
                report(f"wait {arg} s")
            elif kind == "run":
                done = subprocess.run(arg, shell=True, env=session.env, capture_output=True, text=True,
                                      timeout=30)
                for line in (done.stdout + done.stderr).splitlines():
                    print(f"#   {line}")
                time.sleep(SETTLE)
                report(f"run {arg}")
            elif kind in ("tab_to", "back_to"):
                key = "Tab" if kind == "tab_to" else "shift+Tab"
                wanted = arg.rstrip()
                for _ in range(30):
                    f = walker.focused()
                    if f is not None and f.name.rstrip() == wanted:
                        break
                    walker.press(key)
                    time.sleep(SETTLE)
                    report(f"key {key}")
                else:
                    print(f"# {arg!r} never got the focus")
                    status = 1
            elif kind == "tab_round":
                first = walker.focus_name()
                for i in range(40):
                    walker.press("Tab")
                    time.sleep(SETTLE)
                    report("key Tab")
                    now = walker.focus_name()
                    if first is None:
                        first = now  # nothing had the focus: the round starts at the first Tab
                    elif now == first:
                        break
    except (RuntimeError, TimeoutError, subprocess.CalledProcessError) as e:
        print(f"# {e}", file=sys.stderr)
        status = 1
    finally:
        signal.alarm(0)
        session.stop_all()
        if args.keep:
            print(f"# logs in {session.dir}", file=sys.stderr)
        else:
            shutil.rmtree(session.dir, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
