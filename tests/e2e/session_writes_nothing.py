#!/usr/bin/env python3
"""A whole session of DemoDisc.exe on the sample disc under Wine, driven with
real pointer input, and the proof that it wrote nothing.

The session: every page, every description (the pointer comes onto each
catalogue button), every item (each is clicked; batch files and the sample
disc's stand-in of the video player run, the notice windows are dismissed),
a publication opened in a test reader, and the close box. The program runs
under strace -f (write_watch.py), which follows every process it starts and
the Wine server it starts for them, so each change to the file system is
known with the process that made it: the session made none, wherever it
would land, outside the Wine prefix's registry files, and another program's
writes meanwhile count for nothing. No file of the disc has changed, and no
registry key or value was created or changed.

Before the session, a test program that writes a file runs under the same
watch: the watch must see its write, or the session's result proves nothing.

Runs inside the display and the Wine prefix that the test command set up
(DISPLAY, WINEPREFIX); nothing else may run in that prefix meanwhile.

  session_writes_nothing.py <DemoDisc.exe> <tests-bin folder> <sample-disc script> <work folder>
"""

import hashlib
import os
import shutil
import subprocess
import sys
import time

from wine_driver import (BUTTON_HEIGHT, after_click, centre, configure, find, log, pointer,
                         running_programs, settle, wait_for, wine)
from write_watch import WriteWatch

EXE, TESTS_BIN, MAKE_DISC, WORK = sys.argv[1:5]
configure(TESTS_BIN, WORK)
PREFIX = os.environ["WINEPREFIX"]
DISC = os.path.join(WORK, "disc")
READER_RECORD = os.path.join(WORK, "reader-record.txt")
CANARY_RECORD = os.path.join(WORK, "canary-record.txt")
# Wine shows the machine's classes through HKEY_CLASSES_ROOT, not the user's.
READER_KEY = r"HKLM\Software\Classes\Applications\AcroRd32.exe\shell\read\command"

# Pages in tab order with the number of catalogue buttons on each (the
# publications page has the grid instead).
PAGES = [("Present", 8), ("Artikel", 0), ("Demo", 6), ("Video", 7), ("Gebit_Benutzt", 5)]

# What Wine itself keeps up to date in a prefix, whichever program runs: its
# registry files, the console host's defaults (written when a batch file's
# console opens) and the display driver's date (written at each start of
# the desktop).
HOUSEKEEPING_FILES = {"user.reg", "system.reg", "userdef.reg", ".update-timestamp"}
HOUSEKEEPING_KEYS = ("[Console]",
                     "[System\\\\CurrentControlSet\\\\Control\\\\Class\\\\{4D36E968-E325-11CE-BFC1-08002BE10318}")


# ---------------------------------------------------------------- snapshots

def disc_digest():
    out = {}
    for base, dirs, files in os.walk(DISC):
        for name in dirs + files:
            path = os.path.join(base, name)
            rel = os.path.relpath(path, DISC)
            if os.path.isdir(path):
                out[rel + "/"] = "dir"
            else:
                with open(path, "rb") as f:
                    out[rel] = hashlib.sha256(f.read()).hexdigest()
    return out


def registry_entries():
    """The keys and values of the prefix's registry files, timestamps aside."""
    entries = set()
    for hive in ("system.reg", "user.reg", "userdef.reg"):
        key = None
        pending = ""
        with open(os.path.join(PREFIX, hive), encoding="utf-8", errors="replace") as f:
            for raw in f:
                line = pending + raw.rstrip("\n")
                if line.endswith("\\") and key is not None and not line.startswith("["):
                    pending = line[:-1]
                    continue
                pending = ""
                if line.startswith("["):
                    key = line[: line.index("]") + 1] if "]" in line else line
                    if key.startswith(HOUSEKEEPING_KEYS):
                        key = None
                        continue
                    entries.add((hive, key, None))
                elif key and line and not line.startswith(("#", ";;")):
                    entries.add((hive, key, line.strip()))
    return entries


def wine_housekeeping(path):
    """What Wine itself keeps up to date whichever program runs: the prefix's
    registry files, which the registry comparison reads (saved through a
    temporary file beside them), the drive and port links that its mount
    manager refreshes as its services start, and its server's folder."""
    if path.startswith(("/tmp/.wine-", "/tmp/wine-", os.path.join(PREFIX, "dosdevices") + "/")):
        return True
    folder, name = os.path.split(path)
    return folder == PREFIX and (name in HOUSEKEEPING_FILES or name.startswith(
        tuple(f + "." for f in HOUSEKEEPING_FILES)) or name.startswith("reg"))


def session_watch():
    # The test reader's record is the test's own instrument.
    return WriteWatch(os.path.join(WORK, "trace"),
                      ignore=lambda path: wine_housekeeping(path) or path == READER_RECORD)


def watch_sees_writes():
    """A Windows program that writes a file, under the watch the session runs
    under: its write is seen, with the process that made it."""
    watch = WriteWatch(os.path.join(WORK, "canary-trace"), ignore=wine_housekeeping)
    settle()
    server = watch.start_server()
    env = dict(os.environ, DEMODISC_RECORD=CANARY_RECORD)
    proc = watch.start(["wine", os.path.join(TESTS_BIN, "record_args.exe"), "canary"], cwd=WORK,
                       env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    end = time.time() + 60
    while not os.path.exists(CANARY_RECORD) and time.time() < end:
        time.sleep(0.2)
    wait_ended("record_args", proc, server)
    seen = [c for c in watch.changes() if c.path == CANARY_RECORD]
    if not os.path.exists(CANARY_RECORD) or not seen:
        raise SystemExit(f"e2e: the watch does not see a Windows program's write (record written: "
                         f"{os.path.exists(CANARY_RECORD)}, seen: {watch.changes()})")
    log(f"the watch saw the test program's write: {seen[0]}")


# ---------------------------------------------------------------- the session

def page_tabs():
    """The places of the page tabs, from a start of the program outside the
    watch: the probe reads them from the program's memory through the Wine
    server, which cannot reach a process that strace follows. The places
    depend only on the layout, the same in the watched session."""
    proc = subprocess.Popen(["wine", "DemoDisc.exe"], cwd=DISC,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    end = time.time() + 30
    tabs = []
    while len(tabs) != len(PAGES) and time.time() < end:
        tabs = wait_for("TMainForm").tabs
        time.sleep(0.2)
    settle()
    proc.wait(timeout=30)
    if len(tabs) != len(PAGES):
        raise SystemExit(f"e2e: {len(tabs)} tabs, expected {len(PAGES)}")
    return tabs


def wait_ended(name, *watched, timeout=20.0):
    """Waits until the program of that name has ended in this prefix, then
    ends the prefix's server and with it Wine's system processes, which the
    watch follows too, and waits for the watch to end. False when the
    program was still running."""
    time.sleep(0.5)
    end = time.time() + timeout
    while any(running_programs((name,))) and time.time() < end:
        time.sleep(0.2)
    ended = not any(running_programs((name,)))
    settle()
    for p in watched:
        try:
            p.wait(timeout=60)
        except subprocess.TimeoutExpired:
            p.kill()
    return ended


def run_session(watch, tabs):
    # The prefix's server is ended first, and a new one started under the
    # watch: it opens the files of the program and of what it starts.
    settle()
    server = watch.start_server()
    proc = watch.start(["wine", "DemoDisc.exe"], cwd=DISC,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("TMainForm")
    outcomes = {}
    for index, (page, buttons) in enumerate(PAGES):
        pointer(*centre(tabs[index]), click=True)
        time.sleep(0.5)
        p = wait_for("TMainForm")
        if buttons == 0:
            open_publication(p)
            continue
        group = find(p, "TButtonGroup")
        left, top, right, _ = group["rect"]
        for item in range(buttons):
            x, y = left + (right - left) // 3, top + 2 + item * BUTTON_HEIGHT + BUTTON_HEIGHT // 2
            pointer(x, y)            # the description comes
            time.sleep(0.3)
            pointer(x, y, click=True)
            outcomes[f"{page}[{item}]"] = after_click()
            pointer(x, y)
    log("items:", outcomes)
    main = wait_for("TMainForm")
    left, top, right, _ = main.windows[0]["rect"]
    # The close box of the title bar.
    pointer(right - 14, top + 12, click=True)
    if not wait_ended("demodisc", proc, server):
        raise SystemExit("e2e: the program did not end by its close box")
    return outcomes


def open_publication(p):
    grid = find(p, "TStringGrid")
    left, top, _, _ = grid["rect"]
    # Row 1 of the sample list has a document; column 2 holds its title.
    pointer(left + 24 + 36 + 60, top + 2 + 18 + 9, click=True)
    time.sleep(0.3)
    pointer(*centre(find(p, "Button", "Читать ")["rect"]), click=True)
    after_click()


# ---------------------------------------------------------------- main

def main():
    if os.path.exists(WORK):
        shutil.rmtree(WORK)
    os.makedirs(WORK)
    subprocess.run([MAKE_DISC, DISC, EXE], check=True, stdout=subprocess.DEVNULL)
    reader_dir = os.path.join(PREFIX, "drive_c", "TestReader")
    os.makedirs(reader_dir, exist_ok=True)
    shutil.copy(os.path.join(TESTS_BIN, "record_args.exe"), os.path.join(reader_dir, "AcroRd32.exe"))
    wine("reg", "add", READER_KEY, "/ve", "/d", '"C:\\TestReader\\AcroRd32.exe" "%1"', "/f")
    os.environ["DEMODISC_RECORD"] = wine("winepath", "-w", READER_RECORD).stdout.strip() or READER_RECORD
    settle()
    watch_sees_writes()

    disc_before = disc_digest()
    registry_before = registry_entries()
    tabs = page_tabs()
    watch = session_watch()
    try:
        outcomes = run_session(watch, tabs)
    finally:
        settle()

    failures = []
    if sum(1 for o in outcomes.values() if o == "TFormBlenge") != 4:
        failures.append(f"expected 4 notice windows, got {outcomes}")
    # Each video item runs the player's stand-in, and none shows the player's
    # start-failure message.
    if sum(1 for o in outcomes.values() if o == "ran la") != 7:
        failures.append(f"expected 7 player runs, got {outcomes}")
    if any(o == "TMessageForm" for o in outcomes.values()):
        failures.append(f"expected no message box, got {outcomes}")
    record = open(READER_RECORD, "rb").read().decode("utf-16-le") if os.path.exists(READER_RECORD) else ""
    if "sample01.pdf" not in record:
        failures.append(f"the test reader did not get the document: {record!r}")
    disc_after = disc_digest()
    if disc_after != disc_before:
        changed = sorted(set(disc_after.items()) ^ set(disc_before.items()))
        failures.append(f"the disc changed: {changed}")
    written = watch.changes()
    if written:
        failures.append(f"files written: {written[:20]}")
    registry_after = registry_entries()
    added = sorted(registry_after - registry_before, key=str)
    removed = sorted(registry_before - registry_after, key=str)
    if added or removed:
        failures.append(f"registry changed: added {added[:20]}, removed {removed[:20]}")

    wine("reg", "delete", READER_KEY.rsplit("\\", 3)[0], "/f")
    shutil.rmtree(reader_dir, ignore_errors=True)
    settle()
    if failures:
        for f in failures:
            log("FAIL", f)
        return 1
    log(f"{len(outcomes)} items run, a publication read, the close box: disc unchanged, "
        f"no file written by the program or what it started ({watch.processes()} "
        f"processes watched), registry unchanged ({len(registry_before)} entries compared)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
