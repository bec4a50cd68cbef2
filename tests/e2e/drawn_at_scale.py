#!/usr/bin/env python3
"""DemoDisc.exe on the sample disc at the screen resolutions of 100 %, 125 %,
150 % and 200 %: the prefix's LogPixels is set before each start, with the
prefix's server ended in between so that the new program reads it. The main
window's client area must be 656 x 545 times dpi / 96, within a pixel, and
the window centred on the desktop (its origin raised to the desktop's). With
a shots folder it saves the main window at 120, 144 and 192 dpi there as
screenshot-<dpi>dpi.png. LogPixels is put back as it was at the end.

Runs alone, inside a display and a Wine prefix (DISPLAY, WINEPREFIX).

  drawn_at_scale.py <DemoDisc.exe> <tests-bin folder> <sample-disc script> <work folder> [shots folder]
"""

import os
import re
import shutil
import subprocess
import sys
import time

from wine_driver import configure, log, settle, wait_for, wine

EXE, TESTS_BIN, MAKE_DISC, WORK = sys.argv[1:5]
SHOTS = sys.argv[5] if len(sys.argv) > 5 else None
configure(TESTS_BIN, WORK)
DISC = os.path.join(WORK, "disc")
# Where Wine reads the resolution from (HKCU\Control Panel\Desktop, as
# Windows's own setting).
KEY = r"HKCU\Control Panel\Desktop"
DESKTOP = (1024, 768)  # the prefix's virtual desktop
DPIS = (96, 120, 144, 192)
SHOT_DPIS = (120, 144, 192)


def log_pixels():
    """The prefix's LogPixels, or None when it has none."""
    out = wine("reg", "query", KEY, "/v", "LogPixels").stdout
    match = re.search(r"LogPixels\s+REG_DWORD\s+0x([0-9a-fA-F]+)", out)
    return int(match.group(1), 16) if match else None


def set_log_pixels(dpi):
    if dpi is None:
        wine("reg", "delete", KEY, "/v", "LogPixels", "/f")
    else:
        wine("reg", "add", KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
    # A program started after the server has ended reads the new value.
    settle()


def client_of(p):
    """The main window's client area on the screen: what its child windows
    cover (the page control at its top-left, the contact panel at its
    bottom, the control panel at its right)."""
    children = [w["rect"] for w in p.windows if w["depth"] == 1]
    return (min(r[0] for r in children), min(r[1] for r in children),
            max(r[2] for r in children), max(r[3] for r in children))


def check_at(dpi):
    proc = subprocess.Popen(["wine", "DemoDisc.exe"], cwd=DISC,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1.0)
        p = wait_for("TMainForm")
        left, top, right, bottom = client_of(p)
        width, height = right - left, bottom - top
        want = (656 * dpi / 96, 545 * dpi / 96)
        outer = p.windows[0]["rect"]
        outer_w, outer_h = outer[2] - outer[0], outer[3] - outer[1]
        centred = (max(0, (DESKTOP[0] - outer_w) // 2), max(0, (DESKTOP[1] - outer_h) // 2))
        log(f"{dpi} dpi: client {width} x {height} (want {want[0]:g} x {want[1]:g}),"
            f" window at {outer[0]}, {outer[1]} (centred: {centred[0]}, {centred[1]})")
        faults = []
        if abs(width - want[0]) > 1 or abs(height - want[1]) > 1:
            faults.append(f"{dpi} dpi: the client area is {width} x {height}")
        if (outer[0], outer[1]) != centred:
            faults.append(f"{dpi} dpi: the window is at {outer[0]}, {outer[1]}, not {centred}")
        if SHOTS and dpi in SHOT_DPIS:
            path = os.path.join(SHOTS, f"screenshot-{dpi}dpi.png")
            subprocess.run(["import", "-window", "root", "-crop",
                            f"{outer_w}x{outer_h}+{outer[0]}+{outer[1]}", "+repage", path],
                           check=True)
            log("saved", path)
        return faults
    finally:
        proc.kill()
        proc.wait()


def main():
    if os.path.exists(WORK):
        shutil.rmtree(WORK)
    os.makedirs(WORK)
    if SHOTS:
        os.makedirs(SHOTS, exist_ok=True)
    subprocess.run([MAKE_DISC, DISC, EXE], check=True, stdout=subprocess.DEVNULL)
    before = log_pixels()
    faults = []
    try:
        for dpi in DPIS:
            set_log_pixels(dpi)
            faults += check_at(dpi)
    finally:
        set_log_pixels(before)
    for fault in faults:
        log("FAULT", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
