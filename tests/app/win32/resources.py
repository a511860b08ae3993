#!/usr/bin/python3
"""The resources of BRENOLDI.exe, read with icoutils: everything tagged Italian (0x0410), the icon
drawn at every size Windows asks from 100 to 200 %, the version information the design gives, and
a manifest declaring per-monitor DPI awareness. Exits 0 when all holds, 1 with a message
otherwise."""

import struct
import subprocess
import sys
import tempfile

PROGRAM = sys.argv[1]


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


listing = subprocess.run(["wrestool", "-l", PROGRAM], capture_output=True, text=True).stdout
if not listing or any("--language=1040" not in line for line in listing.splitlines()):
    fail(f"resources not all Italian:\n{listing}")

with tempfile.NamedTemporaryFile(suffix=".ico") as icon:
    subprocess.run(["wrestool", "-x", "--type=14", "-o", icon.name, PROGRAM], check=True)
    sizes = subprocess.run(["icotool", "-l", icon.name], capture_output=True, text=True).stdout
widths = {int(part.split("=")[1]) for line in sizes.splitlines()
          for part in line.split() if part.startswith("--width=")}
# The small (16) and big (32) icons at 100, 125, 150 and 200 %, and Explorer's largest view.
wanted = {round(icon * scale) for icon in (16, 32) for scale in (1, 1.25, 1.5, 2)} | {256}
if not wanted <= widths:
    fail(f"the icon has no frame of {sorted(wanted - widths)} pixels")

version = subprocess.run(["wrestool", "-x", "--type=16", "--raw", PROGRAM], capture_output=True).stdout
fixed = version.find(struct.pack("<I", 0xFEEF04BD))
file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", version, fixed + 8)
if (file_ms, file_ls, product_ms, product_ls) != (0x00010000, 0, 0x00010000, 0):
    fail("numeric versions are not 1.0.0.0")
strings = version.decode("utf-16-le", errors="replace")
for key, value in [("FileVersion", "1.00"), ("ProductVersion", "1.00"), ("ProductName", "BRENOLDI"),
                   ("InternalName", "BRENOLDI"), ("OriginalFilename", "BRENOLDI.exe")]:
    if f"{key}\0{value}\0" not in strings.replace("\0\0", "\0"):
        fail(f"{key} is not {value!r}")
if "041004b0" not in strings.lower():
    fail("the strings are not in the Italian, Unicode block 041004b0")
manifest = subprocess.run(["wrestool", "-x", "--type=24", "--name=1", "--raw", PROGRAM],
                          capture_output=True, text=True).stdout
for declared in ["<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
                 ">PerMonitorV2, PerMonitor</dpiAwareness>", "level=\"asInvoker\""]:
    if declared not in manifest:
        fail(f"the manifest does not declare {declared}")
if "Microsoft.Windows.Common-Controls" in manifest:
    fail("the manifest asks for common controls 6")
print("BRENOLDI.exe resources: Italian, icon at every size from 100 to 200 %, version 1.00, "
      "per-monitor DPI manifest")
