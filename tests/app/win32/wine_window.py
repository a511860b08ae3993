"""The means of using BRENOLDI.exe under Wine as a person would, for the window's tests.

The script's arguments name the program and probe.exe. The window is read back through the Windows
API (probe.exe, run under the same wineserver) and clicked with xdotool. Every wait is for a state
that can be seen, bounded by PATIENCE.
"""

import os
import select
import subprocess
import sys
import time

PATIENCE = 60  # seconds: far beyond any answer under load, short of the test's own limit
PROGRAM, PROBE = sys.argv[1], sys.argv[2]


def pixels(twips, dpi=96):
    return int(twips * dpi / 1440 + 0.5)


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def run(*arguments, stdin=None):
    return subprocess.run(arguments, input=stdin, capture_output=True, text=True)


def stop_wine():
    """Ends the wineserver and waits until it has gone: it writes the registry as it goes, and a
    server started before that would read the old one, or have its changes overwritten."""
    run("wineserver", "-k")
    run("wineserver", "-w")


def probe(*arguments):
    done = run("wine", PROBE, *arguments)
    return done.returncode, done.stdout.replace("\r", "")


def wait_for(what, found, program=None):
    """Returns what `found` finds, once it does; fails after PATIENCE, saying whether `program`
    still runs and which windows show."""
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        value = found()
        if value:
            return value
        time.sleep(0.05)
    if program is not None:
        state = "runs" if program.poll() is None else f"ended with {program.returncode}"
        shown = [run("xdotool", "getwindowname", window).stdout.strip()
                 for window in run("xdotool", "search", "--onlyvisible", "--name", ".").stdout.split()]
        fail(f"never came: {what} (the program {state}; windows shown: {shown})")
    fail(f"never came: {what}")


def calculator_window(program):
    return wait_for("the window", lambda: run("xdotool", "search", "--onlyvisible", "--name",
                                              "^ By  Ulderano$").stdout.split(), program)[0]


def design():
    """The design table, as probe.exe reads it from the program's own sources."""
    rows = []
    for line in probe("design")[1].splitlines():
        name, kind, caption, *place, visible = line.split("\t")
        rows.append((name, kind, caption, tuple(int(v) for v in place), visible == "1"))
    return rows


CONTROLS = []  # filled from design() in main(); ids are 100 + position
ID = {}


def text(name):
    return probe("text", str(ID[name]))[1].rstrip("\n")


def expect(name, wanted):
    wait_for(f"{name} to read {wanted!r} (it reads {text(name)!r})", lambda: text(name) == wanted)


def press(window, keys, dpi=96):
    for caption in keys.split():
        left, top, width, height = next(place for name, _, c, place, _ in CONTROLS if c == caption)
        x, y = pixels(left + width // 2, dpi), pixels(top + height // 2, dpi)
        run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")


class Lines:
    """A program's standard output, a line at a time, each waited for at most PATIENCE."""

    def __init__(self, program):
        self.program, self.pending = program, b""

    def next(self, what):
        deadline = time.monotonic() + PATIENCE
        while b"\n" not in self.pending:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.program.stdout], [], [], left)[0]:
                fail(f"never came: {what}")
            chunk = os.read(self.program.stdout.fileno(), 4096)
            if not chunk:
                fail(f"ended before {what}")
            self.pending += chunk
        line, self.pending = self.pending.split(b"\n", 1)
        return line.decode().rstrip("\r")
