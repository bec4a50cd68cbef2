#!/usr/bin/env python3
"""DemoDisc.exe on the sample disc at the screen resolutions of 100 %, 125 %,
150 % and 200 %: the prefix's LogPixels is set before each start, with the
prefix's server ended in between so that the new program reads it. The main
window's client area must be 656 x 545 times dpi / 96, within a pixel, and
the window centred on the desktop (its origin raised to the desktop's).

With a shots folder it saves the main window at 120, 144 and 192 dpi there
as screenshot-<dpi>dpi.png, the pointer on the second catalogue item, each
on a desktop of the size of a laptop's screen at that scale, so that the
whole window shows (the X screen must hold the largest); without one, the
desktop stays the test command's. Both settings are put back as they were
at the end.

Runs alone, inside a display and a Wine prefix (DISPLAY, WINEPREFIX).

  drawn_at_scale.py <DemoDisc.exe> <tests-bin folder> <sample-disc script> <work folder> [shots folder]
"""

import os
import re
import shutil
import subprocess
import sys
import time

from wine_driver import BUTTON_HEIGHT, configure, find, log, pointer, settle, shoot, wait_for, wine

EXE, TESTS_BIN, MAKE_DISC, WORK = sys.argv[1:5]
SHOTS = sys.argv[5] if len(sys.argv) > 5 else None
configure(TESTS_BIN, WORK)
DISC = os.path.join(WORK, "disc")
# Where Wine reads the resolution from (HKCU\Control Panel\Desktop, as
# Windows's own setting), and the size of the prefix's virtual desktop.
KEY = r"HKCU\Control Panel\Desktop"
DESKTOPS = r"HKCU\Software\Wine\Explorer\Desktops"
# The test command's desktop, and for the shots a laptop's screen at each
# scale: 1920 x 1080 at 125 % and 150 %, 2560 x 1600 at 200 %.
DESKTOP = (1024, 768)
LAPTOPS = {96: DESKTOP, 120: (1920, 1080), 144: (1920, 1080), 192: (2560, 1600)}
SCREENS = LAPTOPS if SHOTS else {dpi: DESKTOP for dpi in LAPTOPS}
SHOT_DPIS = (120, 144, 192)


def reg_value(key, name, kind):
    """A value of the prefix's registry as reg prints it, or None."""
    out = wine("reg", "query", key, "/v", name).stdout
    match = re.search(rf"^\s*{name}\s+{kind}\s+(.*?)\s*$", out, re.MULTILINE)
    return match.group(1) if match else None


def set_reg_value(key, name, kind, value):
    if value is None:
        wine("reg", "delete", key, "/v", name, "/f")
    else:
        wine("reg", "add", key, "/v", name, "/t", kind, "/d", value, "/f")


def screen():
    """The prefix's resolution and desktop size, as reg gives them."""
    log_pixels = reg_value(KEY, "LogPixels", "REG_DWORD")
    return (str(int(log_pixels, 16)) if log_pixels else None,
            reg_value(DESKTOPS, "Default", "REG_SZ"))


def set_screen(log_pixels, desktop):
    set_reg_value(KEY, "LogPixels", "REG_DWORD", log_pixels)
    set_reg_value(DESKTOPS, "Default", "REG_SZ", desktop)
    # A program started after the server has ended reads the new values.
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
        desktop = SCREENS[dpi]
        centred = (max(0, (desktop[0] - outer_w) // 2), max(0, (desktop[1] - outer_h) // 2))
        log(f"{dpi} dpi, desktop {desktop[0]} x {desktop[1]}: client {width} x {height}"
            f" (want {want[0]:g} x {want[1]:g}), window at {outer[0]}, {outer[1]}"
            f" (centred: {centred[0]}, {centred[1]})")
        faults = []
        if abs(width - want[0]) > 1 or abs(height - want[1]) > 1:
            faults.append(f"{dpi} dpi: the client area is {width} x {height}")
        if (outer[0], outer[1]) != centred:
            faults.append(f"{dpi} dpi: the window is at {outer[0]}, {outer[1]}, not {centred}")
        if SHOTS and dpi in SHOT_DPIS:
            # The pointer on the second item, as on the page screenshots, so
            # that its description shows.
            left, top, right, _ = find(p, "TButtonGroup")["rect"]
            row = round(BUTTON_HEIGHT * dpi / 96)
            pointer(left + (right - left) // 3, top + round(2 * dpi / 96) + row + row // 2)
            time.sleep(1.0)
            path = os.path.join(SHOTS, f"screenshot-{dpi}dpi.png")
            shoot(outer, path)
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
    before = screen()
    faults = []
    try:
        for dpi, (width, height) in SCREENS.items():
            set_screen(str(dpi), f"{width}x{height}")
            faults += check_at(dpi)
    finally:
        set_screen(*before)
    for fault in faults:
        log("FAULT", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
