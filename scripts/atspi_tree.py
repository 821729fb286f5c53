#!/usr/bin/env python3
"""Print the program's accessibility tree as AT-SPI clients (screen readers, switch access)
see it: role, name, actions, value and description of each element, indented by depth.

    atspi_tree.py [--press NAME]... [--wait SECONDS] [APPLICATION]

--press runs, in order, the first action other than SetFocus of the element named NAME
(as a switch-access client would), then the tree is printed after --wait seconds.
The program must run with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on the same D-Bus session;
see the README for the whole command.
"""
import argparse
import sys
import time

import pyatspi


def find_application(name, timeout):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def actions_of(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def describe(acc):
    line = f"{acc.getRoleName()} \"{acc.name}\""
    actions = actions_of(acc)
    if actions:
        line += " actions=[" + ", ".join(actions) + "]"
    states = acc.getState()
    marks = [n for n, s in (("checked", pyatspi.STATE_CHECKED), ("focusable", pyatspi.STATE_FOCUSABLE))
             if states.contains(s)]
    if not states.contains(pyatspi.STATE_SENSITIVE):
        marks.append("disabled")
    if not states.contains(pyatspi.STATE_SHOWING):
        marks.append("hidden")
    if marks:
        line += " {" + ", ".join(marks) + "}"
    try:
        line += f" value={acc.queryValue().currentValue:g}"
    except NotImplementedError:
        pass
    if acc.description:
        line += f" — {acc.description}"
    return line


def walk(acc, depth=0, out=sys.stdout):
    print("  " * depth + describe(acc), file=out)
    for child in acc:
        if child is not None:
            walk(child, depth + 1, out)


def find(acc, name):
    if acc.name == name:
        return acc
    for child in acc:
        if child is not None:
            hit = find(child, name)
            if hit is not None:
                return hit
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("application", nargs="?", default="oscillations")
    parser.add_argument("--press", action="append", default=[], metavar="NAME")
    parser.add_argument("--wait", type=float, default=1.0)
    parser.add_argument("--timeout", type=float, default=20.0)
    args = parser.parse_args()
    app = find_application(args.application, args.timeout)
    if app is None:
        print(f"no application named {args.application} on the accessibility bus", file=sys.stderr)
        return 1
    for name in args.press:
        target = find(app, name)
        names = actions_of(target) if target is not None else []
        chosen = [i for i, n in enumerate(names) if n != "SetFocus"]
        if not chosen:
            print(f"# {name}: no such element, or nothing to do with it now (actions {names})")
            continue
        target.queryAction().doAction(chosen[0])
        print(f"# {names[chosen[0]]} on \"{name}\"")
        time.sleep(0.5)
    time.sleep(args.wait)
    walk(app)
    return 0


if __name__ == "__main__":
    sys.exit(main())
