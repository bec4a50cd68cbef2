#!/usr/bin/env python3
"""DemoDisc.exe started under Wine from disc folders named in Latin-1, Greek
and Chinese letters, driven with real pointer input: it starts on the
presentations page without an error, its title keeps the letters of its own
name, a description comes on hover, a presentation runs in its folder, the
player gets its clip by the whole path, and a reader installed under such a
folder opens a publication.

Runs inside the display and the Wine prefix that the test command set up.

  foreign_folders.py <DemoDisc.exe> <tests-bin folder> <sample-disc script> <work folder>
"""

import os
import shutil
import subprocess
import sys
import time

from wine_driver import (BUTTON_HEIGHT, after_click, centre, configure, find, log, pointer,
                         probe, settle, start_program, wait_for, wait_gone, wine)

EXE, TESTS_BIN, MAKE_DISC, WORK = sys.argv[1:5]
configure(TESTS_BIN, WORK)
PREFIX = os.environ["WINEPREFIX"]
# Wine converts names between the Unix and the Windows side in the locale's
# character set.
os.environ["LC_ALL"] = "C.UTF-8"
READER_KEY = r"HKLM\Software\Classes\Applications\AcroRd32.exe\shell\read\command"

# (folder name, the exe's name on that disc, the title it gives)
CASES = [("Jürgen Müller", "Dëmo.exe", "Dëmo"),
         ("Ελληνικά αρχεία", "DemoDisc.exe", "Demodisc"),
         ("演示光盘", "ΔΕΜΟ.exe", "Δεμο")]

# The second presentation's sample description; the probe shows its line end as two blanks.
DESCRIPTION = "Образец описания.  Презентация базовых программных средств"



def one_argument(path):
    """A path as the program passes it after a program's path: in double
    quotes when it holds a blank or a tab."""
    return f'"{path}"' if " " in path or "\t" in path else path

def windows_path(path):
    return wine("winepath", "-w", path).stdout.strip()


def read_record(path):
    if not os.path.exists(path):
        return []
    return open(path, "rb").read().decode("utf-16-le").splitlines()


def button_point(group, item):
    left, top, right, _ = group["rect"]
    return left + (right - left) // 3, top + 2 + item * BUTTON_HEIGHT + BUTTON_HEIGHT // 2


def run_case(folder, exe_name, title):
    failures = []
    disc = os.path.join(WORK, folder, "disc")
    subprocess.run([MAKE_DISC, disc, EXE], check=True, stdout=subprocess.DEVNULL)
    if exe_name != "DemoDisc.exe":
        os.rename(os.path.join(disc, "DemoDisc.exe"), os.path.join(disc, exe_name))
    root = windows_path(disc)
    # The second presentation leaves a file in its working folder by a relative name.
    with open(os.path.join(disc, "Presentation", "play_bm.bat"), "wb") as f:
        f.write(b"@echo off\r\necho ran> ran.txt\r\n")
    shutil.copy(os.path.join(TESTS_BIN, "record_args.exe"), os.path.join(disc, "LA20K", "LA.exe"))
    reader_dir = os.path.join(PREFIX, "drive_c", folder, "Reader")
    os.makedirs(reader_dir, exist_ok=True)
    shutil.copy(os.path.join(TESTS_BIN, "record_args.exe"), os.path.join(reader_dir, "AcroRd32.exe"))
    reader = f"C:\\{folder}\\Reader\\AcroRd32.exe"
    wine("reg", "add", READER_KEY, "/ve", "/d", f'"{reader}" "%1"', "/f")
    record = os.path.join(WORK, folder, "record.txt")
    os.environ["DEMODISC_RECORD"] = windows_path(record)

    proc = None
    try:
        proc, main, at_start = start_program(exe_name, disc, title)
        failures += at_start

        # The presentations page is the first one shown: its second button's
        # description comes on hover.
        group = find(main, "TButtonGroup")
        pointer(*button_point(group, 1))
        time.sleep(0.5)
        memos = [w["text"] for w in wait_for("TMainForm").windows if w["class"] == "Edit"]
        if not any(t.startswith(DESCRIPTION) for t in memos):
            failures.append(f"no description on hover: {[t[:60] for t in memos]}")

        pointer(*button_point(group, 1), click=True)
        after_click()
        if not os.path.exists(os.path.join(disc, "Presentation", "ran.txt")):
            failures.append("the presentation did not run in its folder")

        # The videos page (tab 3): the third clip in the player.
        pointer(*centre(main.tabs[3]), click=True)
        time.sleep(0.5)
        videos = find(wait_for("TMainForm"), "TButtonGroup")
        pointer(*button_point(videos, 2), click=True)
        after_click()
        expected = f'"{root}\\LA20K\\LA.exe" ' + one_argument(f"{root}\\Video\\Null_video.avi")
        if expected not in read_record(record):
            failures.append(f"player command line: {read_record(record)}, expected {expected!r}")

        # The publications page (tab 1): row 1 in the reader.
        pointer(*centre(main.tabs[1]), click=True)
        time.sleep(0.5)
        page = wait_for("TMainForm")
        left, top, _, _ = find(page, "TStringGrid")["rect"]
        pointer(left + 24 + 36 + 60, top + 2 + 18 + 9, click=True)
        time.sleep(0.3)
        pointer(*centre(find(page, "Button", "Читать ")["rect"]), click=True)
        after_click()
        expected = f'"{reader}" ' + one_argument(f"{root}\\Publication\\sample01.pdf")
        if expected not in read_record(record):
            failures.append(f"reader command line: {read_record(record)}, expected {expected!r}")

        left, top, right, _ = wait_for("TMainForm").windows[0]["rect"]
        pointer(right - 14, top + 12, click=True)
        proc.wait(timeout=20)
    except (subprocess.TimeoutExpired, SystemExit) as e:
        failures.append(f"the session broke off: {e}")
        if proc:
            proc.kill()
    finally:
        wine("reg", "delete", READER_KEY.rsplit("\\", 3)[0], "/f")
        shutil.rmtree(os.path.join(PREFIX, "drive_c", folder), ignore_errors=True)
        if probe("TMainForm")[1] != 1:
            subprocess.run(["wineserver", "-k"], check=False)
    return failures


def main():
    if os.path.exists(WORK):
        shutil.rmtree(WORK)
    os.makedirs(WORK)
    failed = False
    for folder, exe_name, title in CASES:
        failures = run_case(folder, exe_name, title)
        for f in failures:
            log("FAIL", folder, f)
        if not failures:
            log(f"{folder}\\{exe_name}: title {title}, description, presentation, player, reader")
        failed = failed or bool(failures)
    settle()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
