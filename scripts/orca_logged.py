#!/usr/bin/python3
"""Run Orca with its debug log written line by line, so what it speaks can be read as it speaks.

    orca_logged.py LOGFILE [orca options...]

Orca's own --debug-file opens the log block-buffered: lines would arrive in chunks of several
kilobytes, long after they were spoken. Here the log is opened line-buffered and handed to Orca
before it starts. Used by orca_listen.py; see there for the private session it runs in.
"""
import runpy
import sys

from gi.repository import GLib
from orca import debug

log_path = sys.argv[1]
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"].__globals__

debug.debugLevel = debug.LEVEL_INFO  # SPEECH OUTPUT lines, focus changes, events handled
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(log_path, "w", buffering=1, encoding="utf-8")

# Orca refuses to start while another Orca of the same user runs (pgrep -x orca), and a later
# Orca started with --replace would kill this one. This Orca is private to its own session bus
# and display: it neither looks for others nor is called by their name.
launcher["otherOrcas"] = lambda: []
launcher["setProcessName"] = lambda name: None

# Python handles a signal only when it runs Python code; Orca waits in GLib's main loop. A
# timer that returns to Python five times a second lets SIGTERM end Orca promptly.
GLib.timeout_add(200, lambda: True)

sys.argv = ["orca"] + sys.argv[2:]
sys.exit(launcher["main"]())
