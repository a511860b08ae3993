#!/usr/bin/python3
"""The calculator as a screen reader sees it, out of process, through AT-SPI.

Starts the program given as the first argument on the current display and session bus, finds it
in the accessibility tree, checks the controls' names, presses 1 2 + 3 = through the buttons'
actions, reads the display's text, and checks what the program asked a screen reader to say, in
the events Orca listens to: an announcement (Qt 6.8 and later) or a notification shown (before);
then what an overflow's message box says.
Run inside dbus-run-session on Xvfb; exits 0 when all holds, 1 with a message otherwise.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PATIENCE = 30  # seconds: far beyond what any answer takes, short of the test's own limit


def wait_for(what, find, listening=False):
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        # The events that came meanwhile, to the listeners.
        while listening and GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    sys.exit(f"never came: {what}")


heard = []


def hear(event):
    if event.type == "object:announcement":
        heard.append(str(event.any_data))
    elif event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(event.source.name)


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

        # Each key once its words are said, as a user hears them: a notification's name is
        # asked for as it shows, and would be a newer one's after a quicker key. 2ndF comes last,
        # as a marker: whatever was said twice before it shows.
        pyatspi.Registry.registerEventListener(hear, "object:announcement",
                                               "object:state-changed:showing")

        def press(*keys):
            for key in keys:
                before = len(heard)
                buttons[key].queryAction().doAction(0)
                wait_for(f"words for {key!r}; heard {heard}", lambda: len(heard) > before,
                         listening=True)

        press("1", "2", "più", "3", "uguale", "seconda funzione")
        said = ["1", "12", "in attesa: più", "3", "15", "seconda funzione attiva"]
        if heard != said:
            sys.exit(f"heard {heard}, not {said}")
        display = texts["Display"].queryText()
        if display.getText(0, -1) != "15":
            sys.exit(f"the display shows {display.getText(0, -1)!r}, not 15")

        # An overflow's box: a screen reader speaks an alert by its title and its description
        # (Orca 47 reads no label of fewer than three words).
        press("1", "0", "elevato a", "4", "0", "0")
        buttons["uguale"].queryAction().doAction(0)
        alert = wait_for("the box in the accessibility tree", lambda: next(
            (c for c in app if c is not None and c.getRole() == pyatspi.ROLE_ALERT), None))
        if (alert.name, alert.description) != ("BRENOLDI", "Overflow"):
            sys.exit(f"the box is told as {alert.name!r}: {alert.description!r}")
        print("AT-SPI: names as expected; 1 2 + 3 = reads 15, each step said once; "
              "the box says Overflow")
    finally:
        program.terminate()
        program.wait()


main()
