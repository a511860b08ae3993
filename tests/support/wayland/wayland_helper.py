#!/usr/bin/python3
"""Small Wayland clients over the wire protocol, for the tests under a headless compositor (sway).

  wayland_helper.py pointer               gives the seat a pointer (wlr virtual pointer) and keeps
                                          it, so the compositor's cursor commands click
  wayland_helper.py owner MODE TEXT       takes the clipboard (wlr data control) with TEXT and
                                          answers as MODE says:
                                            normal   sends the text at once
                                            slow     sends it a byte every 0.9 s
                                            picture  offers only image/png
Each prints "ready" once the compositor has taken what it asked for, then runs until killed. An
instruction it does not know ends it with status 1 before "ready".
"""

import array
import os
import socket
import struct
import sys
import time

DISPLAY_ID = 1
OWNER_MODES = ("normal", "slow", "picture")  # a misspelt mode must not pass for another
TEXT_FORMS = ["text/plain;charset=utf-8", "text/plain", "UTF8_STRING", "TEXT", "STRING"]
DRIP = 0.9  # seconds between two bytes of a slow owner
PNG = bytes.fromhex("89504e470d0a1a0a0000000d4948445200000001000000010806000000"
                    "1f15c4890000000d4944415478da63f8cfc0f01f0005000201a2d6ff6a0000000049454e44ae426082")


class Connection:
    """One client: requests out, events in, file descriptors passed alongside."""

    def __init__(self):
        path = os.environ["WAYLAND_DISPLAY"]
        if not path.startswith("/"):
            path = os.path.join(os.environ["XDG_RUNTIME_DIR"], path)
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self.next_id = 2
        self.buffer = b""
        self.fds = []
        self.handlers = {}  # object id -> function(opcode, payload)

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, object_id, opcode, payload=b"", fds=()):
        header = struct.pack("<II", object_id, (8 + len(payload)) << 16 | opcode)
        ancillary = [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))] if fds else []
        self.socket.sendmsg([header + payload], ancillary)

    def receive(self):
        """Reads what has come and hands every whole event to its object's handler."""
        data, ancillary, _, _ = self.socket.recvmsg(65536, socket.CMSG_SPACE(16 * 4))
        if not data:
            sys.exit(0)  # the compositor went away
        for level, kind, fds in ancillary:
            if level == socket.SOL_SOCKET and kind == socket.SCM_RIGHTS:
                passed = array.array("i")
                passed.frombytes(fds[:len(fds) - len(fds) % passed.itemsize])
                self.fds.extend(passed)
        self.buffer += data
        while len(self.buffer) >= 8:
            object_id, size_opcode = struct.unpack_from("<II", self.buffer)
            size = size_opcode >> 16
            if len(self.buffer) < size:
                break
            payload, self.buffer = self.buffer[8:size], self.buffer[size:]
            handler = self.handlers.get(object_id)
            if handler:
                handler(size_opcode & 0xFFFF, payload)

    def roundtrip(self):
        done = []
        callback = self.new_id()
        self.handlers[callback] = lambda opcode, payload: done.append(True)
        self.send(DISPLAY_ID, 0, struct.pack("<I", callback))  # wl_display.sync
        while not done:
            self.receive()


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def read_string(payload, offset=0):
    length, = struct.unpack_from("<I", payload, offset)
    text = payload[offset + 4:offset + 4 + length - 1].decode()
    return text, offset + 4 + length + (-length % 4)


def bind_globals(connection, wanted):
    """Binds the globals named in `wanted` (interface -> version); returns interface -> id."""
    registry, found = connection.new_id(), {}

    def on_global(opcode, payload):
        if opcode != 0:
            return
        name, = struct.unpack_from("<I", payload)
        interface, offset = read_string(payload, 4)
        if interface in wanted and interface not in found:
            found[interface] = connection.new_id()
            connection.send(registry, 0, struct.pack("<I", name) + string(interface) +
                            struct.pack("<II", wanted[interface], found[interface]))

    connection.handlers[registry] = on_global
    connection.send(DISPLAY_ID, 1, struct.pack("<I", registry))  # wl_display.get_registry
    connection.roundtrip()
    missing = set(wanted) - set(found)
    if missing:
        sys.exit(f"the compositor offers no {', '.join(sorted(missing))}")
    return found


def pointer():
    connection = Connection()
    manager = bind_globals(connection, {"zwlr_virtual_pointer_manager_v1": 1})
    device = connection.new_id()
    # create_virtual_pointer(seat: null, id): on the default seat
    connection.send(manager["zwlr_virtual_pointer_manager_v1"], 0, struct.pack("<II", 0, device))
    connection.roundtrip()
    serve(connection)


def owner(mode, text):
    connection = Connection()
    found = bind_globals(connection, {"wl_seat": 1, "zwlr_data_control_manager_v1": 1})
    manager = found["zwlr_data_control_manager_v1"]
    source, device = connection.new_id(), connection.new_id()
    connection.send(manager, 0, struct.pack("<I", source))  # create_data_source
    connection.send(manager, 1, struct.pack("<II", device, found["wl_seat"]))  # get_data_device
    for form in (["image/png"] if mode == "picture" else TEXT_FORMS):
        connection.send(source, 0, string(form))  # offer
    drips = []

    def on_source(opcode, payload):
        if opcode == 1:  # cancelled: another program took the clipboard
            sys.exit(0)
        fd = connection.fds.pop(0)  # send(mime_type, fd)
        if mode == "picture":
            os.write(fd, PNG)
            os.close(fd)
        elif mode == "slow":
            drips.append([fd, text.encode(), time.monotonic()])
        else:
            os.write(fd, text.encode())
            os.close(fd)

    connection.handlers[source] = on_source
    connection.send(device, 0, struct.pack("<I", source))  # set_selection
    connection.roundtrip()
    serve(connection, drips)


def serve(connection, drips=()):
    print("ready", flush=True)
    while True:
        if drips:
            connection.socket.settimeout(DRIP)
        try:
            connection.receive()
        except socket.timeout:
            pass
        for drip in list(drips):
            fd, rest, last = drip
            if time.monotonic() - last >= DRIP:
                os.write(fd, rest[:1])
                drip[1], drip[2] = rest[1:], time.monotonic()
                if not drip[1]:
                    os.close(fd)
                    drips.remove(drip)


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "pointer":
        pointer()
    elif len(sys.argv) == 4 and sys.argv[1] == "owner" and sys.argv[2] in OWNER_MODES:
        owner(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
