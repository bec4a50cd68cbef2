#!/usr/bin/env python3
"""DemoDisc.exe under Wine on a sample disc served by failing_disc.py, where
a sector of the publication list and one of a description cannot be read:
at start the rows before the bad sector are filled, the rest stay empty, and
the program's read error comes once; each hover over the description keeps
the lines before the bad sector in the memo and shows the error; the program
goes on (another description shows, the window closes).

Runs inside the display and the Wine prefix that the test command set up.

  disc_read_errors.py <DemoDisc.exe> <tests-bin folder> <sample-disc script> <work folder>
"""

import os
import re
import shutil
import subprocess
import sys
import time

import failing_disc
from wine_driver import (BUTTON_HEIGHT, centre, configure, find, key, log, pointer, probe, settle,
                         wait_for, wait_gone)

EXE, TESTS_BIN, MAKE_DISC, WORK = sys.argv[1:5]
configure(TESTS_BIN, WORK)
SKIP = 77
ERROR_TEXT = re.compile(r"Demodisc: I/O error \d+\.")

# The fourth presentation's description and the list: their lines, and the
# offset of the bad sector, inside a line.
HINT = "Hints/ther_mod.txt"
HINT_LINES = [f"Строка {n} описания с диска." for n in range(1, 41)]
HINT_BAD = 500
LIST = "Publication/vortan_lit.txt"
LIST_LINES = [f"rus##{n:>2}. Публикация номер {n} на диске." for n in range(1, 40)]
LIST_BAD = 300
OTHER = "Образец описания.  Презентация базовых программных средств"


def write_cp1251(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1251"))


def whole_lines_before(lines, offset):
    """The lines whose end (CR LF included) lies before the offset."""
    kept, end = [], 0
    for line in lines:
        end += len(line.encode("cp1251")) + 2
        if end > offset:
            break
        kept.append(line)
    return kept


def error_box():
    """The caption and text of the message box that is up, as one text, or None."""
    p, code = probe("#32770")
    if code != 0 or not p.windows:
        return None
    return p.windows[0]["text"] + ": " + " ".join(
        w["text"] for w in p.windows if w["class"] == "Static" and w["text"])


def dismiss_error(failures, what):
    """Waits for the error box, checks its text and answers it; how many came."""
    end, text = time.time() + 15, None
    while text is None and time.time() < end:
        text = error_box()
        time.sleep(0.2)
    if text is None:
        failures.append(f"{what}: no error message")
        return 0
    if not ERROR_TEXT.fullmatch(text):
        failures.append(f"{what}: the message says {text!r}, not the program's read error")
    log(f"{what}: {text!r}")
    key("Return")
    wait_gone("#32770")
    return 1


def memo_texts():
    return [w["text"] for w in wait_for("TMainForm").windows if w["class"] == "Edit"]


def run(disc, failures):
    proc = subprocess.Popen(["wine", "DemoDisc.exe"], cwd=disc,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        dismiss_error(failures, "the publication list")
        time.sleep(1)
        if error_box() is not None:
            failures.append("the list's error came twice")
        main = wait_for("TMainForm")

        # The grid: the rows before the bad sector, each shown by selecting it.
        pointer(*centre(main.tabs[1]), click=True)
        time.sleep(0.5)
        page = wait_for("TMainForm")
        left, top, _, _ = find(page, "TStringGrid")["rect"]
        filled = len(whole_lines_before(LIST_LINES, LIST_BAD))
        for row in (1, filled, filled + 1):
            # Rows are 18 pixels high and a grid line apart.
            pointer(left + 24 + 36 + 60, top + 2 + 19 * row + 9, click=True)
            time.sleep(0.3)
            entry = [w["text"].rstrip() for w in wait_for("TMainForm").windows
                     if w["class"] == "Edit"]
            line = LIST_LINES[row - 1]
            expected = line[5:9] + line[9:-1] if row <= filled else ""
            before = LIST_LINES[row - 2][5:9] if row > filled else None
            if expected not in entry or any(before and before in e for e in entry):
                failures.append(f"row {row} shows {entry}, expected {expected!r}")

        # The description: its first lines and the error, at each hover.
        pointer(*centre(main.tabs[0]), click=True)
        time.sleep(0.5)
        group = find(wait_for("TMainForm"), "TButtonGroup")
        gl, gt, gr, _ = group["rect"]
        at = lambda i: (gl + (gr - gl) // 3, gt + 2 + i * BUTTON_HEIGHT + BUTTON_HEIGHT // 2)
        kept = "  ".join(whole_lines_before(HINT_LINES, HINT_BAD))
        for hover in (1, 2):
            pointer(*at(3))
            dismiss_error(failures, f"hover {hover} over the description")
            if kept not in memo_texts():
                failures.append(f"hover {hover}: the memo holds {memo_texts()}, expected {kept!r}")
            pointer(*at(1))
            time.sleep(0.5)
            if error_box() is not None or not any(t.startswith(OTHER) for t in memo_texts()):
                failures.append(f"after hover {hover}: the next description does not show")
                break

        left, top, right, _ = wait_for("TMainForm").windows[0]["rect"]
        pointer(right - 14, top + 12, click=True)
        if proc.wait(timeout=20) != 0:
            failures.append(f"the program ended with status {proc.returncode}")
    except (subprocess.TimeoutExpired, SystemExit) as e:
        failures.append(f"the session broke off: {e}")
        proc.kill()
    finally:
        if probe("TMainForm")[1] != 1:
            subprocess.run(["wineserver", "-k"], check=False)


def main():
    reason = failing_disc.skip_reason()
    if reason:
        print("skipped:", reason)
        return SKIP
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    disc = os.path.join(WORK, "disc")
    subprocess.run([MAKE_DISC, disc, EXE], check=True, stdout=subprocess.DEVNULL)
    write_cp1251(os.path.join(disc, HINT), HINT_LINES)
    write_cp1251(os.path.join(disc, LIST), LIST_LINES)
    failures = []
    with failing_disc.mounted(disc, os.path.join(WORK, "mnt"),
                              eio=[(HINT, HINT_BAD), (LIST, LIST_BAD)]) as mount:
        run(mount.point, failures)
        for name, bad in ((HINT, HINT_BAD), (LIST, LIST_BAD)):
            if not any(r[0] == bad and r[4] == "EIO" for r in mount.reads(name)):
                failures.append(f"{name} was never read at its bad sector: {mount.reads(name)}")
    settle()
    for f in failures:
        log("FAIL", f)
    if not failures:
        log("the rows and lines before each bad sector stay, the read error shows, "
            "the program goes on")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
