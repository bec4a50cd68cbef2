#!/usr/bin/env python3
"""DemoDisc.exe under Wine on the sample disc served by failing_disc.py,
where the first read of two descriptions waits 2 s, as a drive that spins
up: the description shows when its read returns, the memo repainted at
once; the program takes next to no processor time meanwhile (it waits in
the read, it does not poll); and a click made during the wait is handled
after it, with the description there too.

Runs inside the display and the Wine prefix that the test command set up.
Screenshots of the window before, during and after the wait are left in the
work folder.

  slow_first_read.py <DemoDisc.exe> <tests-bin folder> <sample-disc script> <work folder>
"""

import os
import shutil
import subprocess
import sys
import time

import failing_disc
from wine_driver import (BUTTON_HEIGHT, centre, configure, find, in_this_prefix, log, pointer,
                         probe, settle, shoot, start_program, wait_for)

EXE, TESTS_BIN, MAKE_DISC, WORK = sys.argv[1:5]
configure(TESTS_BIN, WORK)
SKIP = 77
DELAY = 2.0
# The second and third presentations' descriptions; the probe shows a line end as two blanks.
SLOW = [("Hints/base_mod.txt", 1, "Образец описания.  Презентация базовых программных средств"),
        ("Hints/int_mod.txt", 2, "Образец описания.  Программный модуль интегративной")]
# The most of a processor the program may take while it waits, and how soon
# after the read its memo must be drawn.
MOST_CPU = 0.1
MOST_REPAINT = 0.5


def program_pid():
    for pid in os.listdir("/proc"):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                first = f.read().split(b"\0")[0].decode("utf-8", "replace")
        except OSError:
            continue
        name = first.replace("\\", "/").rsplit("/", 1)[-1].lower()
        if name == "demodisc.exe" and in_this_prefix(pid):
            return pid
    raise SystemExit("e2e: no DemoDisc.exe process")


def cpu_seconds(pid):
    """User and system time of the whole process, all its threads."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def pixels(rect):
    left, top, right, bottom = rect
    return subprocess.run(["import", "-window", "root", "-crop",
                           f"{right - left}x{bottom - top}+{left}+{top}", "rgb:-"],
                          capture_output=True, check=True).stdout


def memo_texts():
    return [w["text"] for w in wait_for("TMainForm").windows if w["class"] == "Edit"]


def watch_memo(mount, name, memo, window, pid, hovered, failures):
    """The first hover: when the memo's pixels change against when the read
    returned, and the share of processor time the program takes while the
    read waits."""
    before, changed, cpu = pixels(memo), None, []
    while time.time() < hovered + DELAY + 4 and changed is None:
        cpu.append((time.time(), cpu_seconds(pid)))
        during = os.path.join(WORK, "during.png")
        if not os.path.exists(during) and time.time() > hovered + DELAY / 2:
            shoot(window, during)
        shot = time.time()
        if pixels(memo) != before:
            changed = (shot, time.time())
    reads = mount.reads(name)
    if not reads or reads[0][3] - reads[0][2] < DELAY - 0.1:
        failures.append(f"{name}: its first read did not wait: {reads}")
        return
    began, returned = reads[0][2], reads[0][3]
    if changed is None:
        failures.append(f"{name}: the memo was not drawn within 4 s of the read")
    elif changed[1] < returned:
        failures.append(f"{name}: the memo changed before the read returned")
    elif changed[0] - returned > MOST_REPAINT:
        failures.append(f"{name}: the memo was drawn {changed[0] - returned:.2f} s after the read")
    waiting = [(t, c) for t, c in cpu if began + 0.2 < t < returned - 0.1]
    if len(waiting) < 2 or waiting[-1][0] - waiting[0][0] < 1:
        failures.append(f"{name}: too few processor time samples during the wait: {waiting}")
        return
    share = (waiting[-1][1] - waiting[0][1]) / (waiting[-1][0] - waiting[0][0])
    if share > MOST_CPU:
        failures.append(f"{name}: the program took {share:.0%} of a processor while waiting")
    log(f"{name}: read returned after {returned - began:.2f} s, memo drawn "
        f"{(changed or (0,))[0] - returned:.2f} s later; {share:.0%} of a processor "
        f"over {waiting[-1][0] - waiting[0][0]:.1f} s of the wait")


def run(mount, failures):
    pointer(1020, 760)  # off the window, so that no description is read at start
    proc, main, at_start = start_program("DemoDisc.exe", mount.point, "Demodisc")
    failures += at_start
    try:
        pid = program_pid()
        window = main.windows[0]["rect"]
        group = find(main, "TButtonGroup")
        memo = find(main, "Edit")["rect"]
        gl, gt, gr, _ = group["rect"]
        at = lambda i: (gl + (gr - gl) // 3, gt + 2 + i * BUTTON_HEIGHT + BUTTON_HEIGHT // 2)
        shoot(window, os.path.join(WORK, "before.png"))

        (name, button, text), (name2, button2, text2) = SLOW
        hovered = time.time()
        pointer(*at(button))
        watch_memo(mount, name, memo, window, pid, hovered, failures)
        shoot(window, os.path.join(WORK, "after.png"))
        if not any(t.startswith(text) for t in memo_texts()):
            failures.append(f"{name}: the memo holds {memo_texts()}")

        # A click on the publications page's tab while the next read waits.
        pointer(*at(button2))
        time.sleep(0.5)
        pointer(*centre(main.tabs[1]), click=True)
        time.sleep(DELAY + 1)
        if not any(w["class"] == "TStringGrid" for w in wait_for("TMainForm").windows):
            failures.append("the click on the publications tab during the wait was lost")
        pointer(*centre(main.tabs[0]), click=True)
        time.sleep(0.5)
        if not any(t.startswith(text2) for t in memo_texts()):
            failures.append(f"{name2}: after the click the memo holds {memo_texts()}")

        left, top, right, _ = wait_for("TMainForm").windows[0]["rect"]
        pointer(right - 14, top + 12, click=True)
        proc.wait(timeout=20)
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
    failures = []
    with failing_disc.mounted(disc, os.path.join(WORK, "mnt"),
                              delay=[(name, DELAY) for name, _, _ in SLOW]) as mount:
        run(mount, failures)
    settle()
    for f in failures:
        log("FAIL", f)
    if not failures:
        log("each slow description shows when its read returns; no polling; no input lost")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
