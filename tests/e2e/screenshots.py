#!/usr/bin/env python3
"""Takes the README's screenshots: DemoDisc.exe on the sample disc under Wine,
each page shown by a click on its tab with the pointer on its second
catalogue button (its description in the memo), the publications page with
its first row selected. Saves the main window of each as
<out>/screenshot-<page>.png.

Runs inside a display and a Wine prefix (DISPLAY, WINEPREFIX).

  screenshots.py <DemoDisc.exe> <tests-bin folder> <sample-disc script> <work folder> <out folder>
"""

import os
import shutil
import subprocess
import sys
import time

from wine_driver import BUTTON_HEIGHT, centre, configure, find, log, pointer, settle, shoot, wait_for

EXE, TESTS_BIN, MAKE_DISC, WORK, OUT = sys.argv[1:6]
configure(TESTS_BIN, WORK)
DISC = os.path.join(WORK, "disc")
PAGES = ["presentations", "publications", "demo", "video", "applications"]


def main():
    if os.path.exists(WORK):
        shutil.rmtree(WORK)
    os.makedirs(WORK)
    os.makedirs(OUT, exist_ok=True)
    subprocess.run([MAKE_DISC, DISC, EXE], check=True, stdout=subprocess.DEVNULL)
    proc = subprocess.Popen(["wine", "DemoDisc.exe"], cwd=DISC,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main_window = wait_for("TMainForm")
        tabs = main_window.tabs
        for index, name in enumerate(PAGES):
            pointer(*centre(tabs[index]), click=True)
            time.sleep(0.5)
            p = wait_for("TMainForm")
            if name == "publications":
                left, top, _, _ = find(p, "TStringGrid")["rect"]
                pointer(left + 24 + 36 + 60, top + 2 + 18 + 9, click=True)
            else:
                left, top, right, _ = find(p, "TButtonGroup")["rect"]
                pointer(left + (right - left) // 3, top + 2 + BUTTON_HEIGHT + BUTTON_HEIGHT // 2)
            time.sleep(1.0)
            path = os.path.join(OUT, f"screenshot-{name}.png")
            shoot(wait_for("TMainForm").windows[0]["rect"], path)
            log("saved", path)
    finally:
        proc.kill()
        settle()
    return 0


if __name__ == "__main__":
    sys.exit(main())
