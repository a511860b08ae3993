#!/usr/bin/python3
"""The calculator as a screen reader sees it, out of process, through AT-SPI.

Starts the program given as the first argument on the current display and session bus, finds it
in the accessibility tree, checks the controls' names, presses 1 2 + 3 = through the buttons'
actions, and reads the display's text. Run inside dbus-run-session on Xvfb; exits 0 when all
holds, 1 with a message otherwise.
"""

import os
import subprocess
import sys
import time

import pyatspi

PATIENCE = 30  # seconds: far beyond what any answer takes, short of the test's own limit


def wait_for(what, find):
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    sys.exit(f"never came: {what}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == "brenoldi":
            return app
    return None


def controls(node, found):
    for child in node:
        if child is None:
            continue
        found.append(child)
        controls(child, found)
    return found


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for("the calculator in the accessibility tree", application)
        everything = wait_for("the calculator's controls",
                              lambda: [c for c in controls(app, []) if c.name] or None)
        buttons = {c.name: c for c in everything if c.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        texts = {c.name: c for c in everything if c.getRole() == pyatspi.ROLE_TEXT}

        for spoken in ["più", "meno", "per", "diviso", "elevato a", "percentuale",
                       "radice quadrata", "reciproco", "logaritmo decimale", "logaritmo naturale",
                       "seconda funzione", "cancella", "aiuto", "uguale", "0", "9"]:
            if spoken not in buttons:
                sys.exit(f"no button is called {spoken!r}; there are {sorted(buttons)}")
        for symbol in ["+", "-", "x", "/", "yX", "%", "=", "2ndF", "1/x", "Rad"]:
            if symbol in buttons:
                sys.exit(f"a button is called by its symbol {symbol!r}")
        if "Display" not in texts or len(texts) != 2:
            sys.exit(f"the display and the indicator are not told apart: {sorted(texts)}")

        for key in ["1", "2", "più", "3", "uguale"]:
            buttons[key].queryAction().doAction(0)
        display = texts["Display"].queryText()
        wait_for("15 in the display", lambda: display.getText(0, -1) == "15")
        print("AT-SPI: names as expected; 1 2 + 3 = reads 15")
    finally:
        program.terminate()
        program.wait()


main()
