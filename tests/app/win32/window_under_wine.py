#!/usr/bin/python3
"""BRENOLDI.exe under Wine on Xvfb, used as a person would.

Arguments: the program and probe.exe. The window is read back through the Windows API (probe.exe,
run under the same wineserver), clicked and typed into with xdotool, and shares the X clipboard
with xclip. Every wait is for a state that can be seen, bounded by PATIENCE. Exits 0 when all
holds, 1 with a message otherwise.
"""

import os
import re
import subprocess
import time

from wine_window import (CONTROLS, ID, PROBE, PROGRAM, Lines, calculator_window, design, expect,
                         fail, pixels, press, probe, run, stop_wine, wait_for)

# Seconds from a click to its clipboard failure's box: the half second the program waits for a
# clipboard held open, with room for Wine and xdotool on a loaded machine.
BOX_BOUND = 2.5


def live_regions(window):
    """A screen reader hears each new display text once: every key's event is waited for before
    the next key, so each event's text is read before the display changes again."""
    listener = subprocess.Popen(["wine", PROBE, "live-regions"], stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE)
    heard = Lines(listener)
    try:
        if heard.next("the listener") != "listening":
            fail("probe live-regions did not start")
        press(window, "C")
        expect("Text1", "")
        for key, display in [("1", "1"), ("2", "12"), ("+", None), ("3", "3"), ("=", "15"),
                             ("4", "4")]:
            press(window, key)
            if display is None:
                expect("Text1", "")  # an operator key empties the display, and says so otherwise
                continue
            got = heard.next(f"the live region after {key}")
            if got != f"{ID['Text1']}\t{display}":
                fail(f"after {key} the live region told {got!r}, not {display!r}")
    finally:
        listener.stdin.close()
        listener.wait()


def set_dpi(dpi):
    """Wine reads the DPI once per process, from the registry, written when its server stops."""
    run("wine", "reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t",
        "REG_DWORD", "/d", str(dpi), "/f")
    stop_wine()


def screenshot(window):
    """The window's client area as rows of (red, green, blue)."""
    ppm = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"],
                         capture_output=True).stdout
    fields, offset = [], 0
    while len(fields) < 4:  # P6, width, height, maximum
        while ppm[offset:offset + 1].isspace():
            offset += 1
        end = offset
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[offset:end])
        offset = end
    width, height, data = int(fields[1]), int(fields[2]), ppm[offset + 1:]
    return [[tuple(data[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(width)]
            for y in range(height)]


def painted(window):
    """The screenshot once the window has painted: the form's teal in its corner, and nothing
    changing between two looks."""
    previous = None
    def settled():
        nonlocal previous
        image = screenshot(window)
        done = image and image[1][1] == (0, 128, 128) and image == previous
        previous = image
        return image if done else None
    return wait_for("the window painted", settled)


def captions_stay_inside_their_keys(window, listing, default_id):
    """No key's caption is drawn over its frame. Captions are centred, so one too wide for its
    key spills over the light top or left lines of the frame, where nothing else is black."""
    image = painted(window)
    black = (0, 0, 0)
    for line in listing[1:]:
        control, kind, caption, x, y, w, h, visible = line.split("\t")
        if kind.lower() != "button":
            continue
        x, y, w, h = int(x), int(y), int(w), int(h)
        edge = 1 if int(control) == default_id else 0  # the default key's black ring lies outside
        frame = [(x + edge + i, row) for i in (0, 1) for row in range(y + edge + 2, y + h - edge - 2)]
        frame += [(column, y + edge + i) for i in (0, 1) for column in range(x + edge + 2, x + w - edge - 2)]
        spilt = [(px - x, py - y) for px, py in frame if image[py][px] == black]
        if spilt:
            fail(f"the caption {caption!r} is drawn over its key's frame at {spilt[:3]}")


def icons_fit(window, dpi):
    """The title bar's and the taskbar's icons are drawn at the sizes Windows wants at `dpi`,
    not scaled from another size into a blur: as the window manager is given them."""
    wanted = {round(16 * dpi / 96), round(32 * dpi / 96)}
    shown = run("xprop", "-id", window, "_NET_WM_ICON").stdout
    got = {int(width) for width, height in re.findall(r"Icon \((\d+) x (\d+)\)", shown)}
    if got != wanted:
        fail(f"at {dpi} dpi the icons are {sorted(got)} pixels, not {sorted(wanted)}")


def scaled_windows():
    """At 144 and 192 dpi the window is drawn at that DPI, every caption inside its key."""
    try:
        for dpi in (144, 192):
            set_dpi(dpi)
            program = subprocess.Popen(["wine", PROGRAM])
            try:
                window = calculator_window(program)
                code, listing = wait_for("the controls", lambda: (lambda r: r if r[0] == 0 else None)(probe("controls")))
                lines = listing.splitlines()
                wanted = f" By  Ulderano\t{pixels(3495, dpi)}\t{pixels(4155, dpi)}"
                if lines[0] != wanted:
                    fail(f"at {dpi} dpi the window is {lines[0]!r}, not {wanted!r}")
                for line, (name, kind, caption, place, visible) in zip(lines[1:], CONTROLS):
                    got = [int(v) for v in line.split("\t")[3:7]]
                    if got != [pixels(v, dpi) for v in place]:
                        fail(f"at {dpi} dpi {name} is at {got}")
                captions_stay_inside_their_keys(window, lines, ID["Risultato"])
                icons_fit(window, dpi)
                press(window, "1 2 + 3 =", dpi)
                expect("Text1", "15")
            finally:
                program.terminate()
                stop_wine()
    finally:
        set_dpi(96)


# A black high-contrast scheme: yellow captions on black keys, white text on a black display.
HIGH_CONTRAST = {"ButtonFace": "0 0 0", "ButtonText": "255 255 0", "Window": "0 0 0",
                 "WindowText": "255 255 255"}


def set_colours(colours):
    """The system's colours, as Wine reads them from the registry as its server starts."""
    for name, value in colours.items():
        run("wine", "reg", "add", "HKCU\\Control Panel\\Colors", "/v", name, "/t", "REG_SZ",
            "/d", value, "/f")
    stop_wine()


def high_contrast():
    """In high contrast the window is drawn in the system's colours: the scheme's black where the
    design has teal and light key faces, its yellow captions, its black display. Wine answers
    that high contrast is off whatever is set, so the program is told through its environment."""
    listing = run("wine", "reg", "query", "HKCU\\Control Panel\\Colors").stdout
    before = {name: value for name, value in re.findall(r"^\s+(\w+)\s+REG_SZ\s+(.*?)\s*$",
                                                         listing, re.M) if name in HIGH_CONTRAST}
    set_colours(HIGH_CONTRAST)
    program = subprocess.Popen(["wine", PROGRAM], env=dict(os.environ, BRENOLDI_HIGH_CONTRAST="1"))
    try:
        window = calculator_window(program)
        left, top, width, height = dict((n, p) for n, _k, _c, p, _v in CONTROLS)["Command7"]
        x, y = pixels(left), pixels(top)
        key = [(x + dx, y + dy) for dx in range(3, pixels(width) - 3)
               for dy in range(3, pixels(height) - 3)]
        dleft, dtop, *_ = dict((n, p) for n, _k, _c, p, _v in CONTROLS)["Text1"]

        def drawn():
            image = screenshot(window)
            return image if (image and image[1][1] == (0, 0, 0)
                             and image[y + 4][x + 4] == (0, 0, 0)
                             and image[pixels(dtop) + 4][pixels(dleft) + 4] == (0, 0, 0)
                             and any(image[py][px] == (255, 255, 0) for px, py in key)) else None
        wait_for("the window in the scheme's colours (black background, key and display, "
                 "yellow captions)", drawn, program)
    finally:
        program.terminate()
        set_colours(before)


def clipboard():
    return run("xclip", "-o", "-selection", "clipboard").stdout


def boxes_shown():
    return run("xdotool", "search", "--onlyvisible", "--name", "^BRENOLDI$").stdout.split()


def close_box_with_return():
    """Closes the message box once it shows; returns what it said and when it was seen. Returns
    once its X window is gone too, which Wine unmaps after the box itself has gone, so the next
    box found is a new one."""
    box = wait_for("the message box", boxes_shown)
    seen = time.monotonic()
    code, said = probe("box")
    run("xdotool", "windowfocus", "--sync", box[0])
    run("xdotool", "key", "Return")
    wait_for("the message box to close", lambda: probe("box")[0] != 0)
    wait_for("the message box's window to go", lambda: not boxes_shown())
    return said, seen


def main():
    CONTROLS.extend(design())
    if len(CONTROLS) != 27:
        fail(f"the design has {len(CONTROLS)} controls")
    ID.update({name: 100 + index for index, (name, *_rest) in enumerate(CONTROLS)})
    program = subprocess.Popen(["wine", PROGRAM])
    try:
        window = calculator_window(program)
        code, listing = wait_for("the controls", lambda: (lambda r: r if r[0] == 0 else None)(probe("controls")))
        lines = listing.splitlines()
        if lines[0] != " By  Ulderano\t233\t277":
            fail(f"window: {lines[0]!r}")
        if len(lines) != 1 + len(CONTROLS):
            fail(f"{len(lines) - 1} controls")
        for line, (name, kind, caption, place, visible) in zip(lines[1:], CONTROLS):
            wanted = [str(ID[name]), kind, caption] + [str(pixels(v)) for v in place] + ["1" if visible else "0"]
            got = line.split("\t")
            got[1] = got[1].lower()
            if got != wanted:
                fail(f"{name}: {got} instead of {wanted}")
        if probe("state")[1].split() != [str(ID["Command1"]), str(ID["Risultato"])]:
            fail(f"at start focus and default are {probe('state')[1]!r}")
        captions_stay_inside_their_keys(window, lines, ID["Risultato"])
        icons_fit(window, 96)
        live_regions(window)

        press(window, "C 1 2 + 3 =")
        expect("Text1", "15")
        if clipboard() != "12":
            fail(f"another program reads {clipboard()!r} as the first operand")
        press(window, "=")
        expect("Text1", "27")
        # xclip leaves a child serving the clipboard, which keeps any output pipe open.
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input="100", text=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("xclip to own the clipboard", lambda: clipboard() == "100")
        press(window, "=")
        expect("Text1", "127")

        # A program that holds the clipboard open, and one that announces text and then fails to
        # give it: = ends with the box soon, having changed nothing, and the next click works.
        for mode in ["hold-clipboard", "fail-render"]:
            press(window, "C 5 +")
            expect("Text1", "")
            other = subprocess.Popen(["wine", PROBE, mode], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True)
            if other.stdout.readline().strip() not in ("holding", "ready"):
                fail(f"probe {mode} did not start")
            started = time.monotonic()
            press(window, "3 =")
            said, seen = close_box_with_return()
            waited = seen - started
            if "Appunti non disponibili" not in said or waited > BOX_BOUND:
                fail(f"{mode}: the box said {said!r} after {waited:.1f} s")
            expect("Text1", "3")
            other.stdin.close()
            other.wait()
            press(window, "C 4 + 5 =")
            expect("Text1", "9")

        press(window, "C 2ndF 2 log")
        expect("Text1", "100")
        expect("Text2", "")

        press(window, "1 0 yX 4 0 0 =")
        said, _ = close_box_with_return()
        if "Overflow" not in said:
            fail(f"the error box said {said!r}")
        expect("Text1", "400")

        press(window, "Aiuto")
        said, _ = close_box_with_return()
        if "Per inserire i numeri decimali occorre fare doppio click" not in said:
            fail(f"the help box said {said!r}")

        # Enter with the focus in the display clicks the pending operation's key.
        press(window, "C 5 +")
        x, y = pixels(60 + 3375 // 2), pixels(240 + 375 // 2)
        run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")
        run("xdotool", "type", "2.5")
        expect("Text1", "2.5")
        run("xdotool", "key", "Return")
        expect("Text1", "")
        press(window, "3 =")
        expect("Text1", "5.5")
    finally:
        program.terminate()
        stop_wine()
    scaled_windows()
    high_contrast()
    print("BRENOLDI.exe under Wine: window at 96, 144 and 192 dpi and in high contrast, keys, "
          "live regions, clipboard both ways, message boxes as expected")


main()
