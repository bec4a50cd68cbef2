#!/usr/bin/env python3
"""The disc check on a burnt sample disc (its image made by
make-disc-image.sh, read back) served by failing_disc.py, where a sector of
a description and one of the publication list cannot be read: the plain
check and --verify, by tools/check-disc.sh on Linux and by DemoDiscCheck.exe
under Wine, each end in time with errors (status 1, no crash), the plain
check naming each file as unreadable, --verify naming each file and the
offset of its bad sector.

Runs inside the Wine prefix that the test command set up.

  disc_check_on_failing_disc.py <DemoDiscCheck.exe> <DemoDisc.exe> <tools folder> <work folder>
"""

import os
import re
import shutil
import subprocess
import sys

import failing_disc

CHECK_EXE, EXE, TOOLS, WORK = map(os.path.abspath, sys.argv[1:5])
SKIP = 77
os.environ["LC_ALL"] = "C.UTF-8"
FAULTS = [("Hints/int_mod.txt", 700), ("Publication/vortan_lit.txt", 300)]


def run(command):
    """Status and standard output; Wine's output goes through a file, as a
    pipe stays open while any Wine process that inherited it lives."""
    out_path = os.path.join(WORK, "output.txt")
    with open(out_path, "w+b") as out:
        try:
            code = subprocess.run(command, stdout=out, stderr=subprocess.STDOUT,
                                  stdin=subprocess.DEVNULL, timeout=180).returncode
        except subprocess.TimeoutExpired:
            code = "a hang (no end within 180 s)"
        out.seek(0)
        return code, out.read().decode("utf-8", "replace")


def expected_lines(verify, sizes):
    """For each fault, what a line of the report holds."""
    for name, bad in FAULTS:
        shown = re.escape(name.replace("/", "\\"))
        if verify:
            yield name, rf"{shown}.*reading failed at byte {bad} of {sizes[name]}\b"
        elif name.endswith(".txt") and name.startswith("Publication"):
            # The program keeps the rows read before the bad part.
            yield name, rf"{shown}.*cannot be read: the program shows a read error when it " \
                        r"starts, and the grid only the rows before the unreadable part"
        else:
            yield name, rf"{shown}.*cannot be read"


def main():
    reason = failing_disc.skip_reason()
    if reason:
        print("skipped:", reason)
        return SKIP
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    disc, burnt = os.path.join(WORK, "disc"), os.path.join(WORK, "burnt")
    image = os.path.join(WORK, "disc.iso")
    subprocess.run([os.path.join(TOOLS, "make-sample-disc.sh"), disc, EXE], check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run([os.path.join(TOOLS, "make-disc-image.sh"), image, disc, "--force"], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["osirrox", "-indev", image, "-extract", "/", burnt], check=True,
                   capture_output=True)
    sizes = {name: os.path.getsize(os.path.join(burnt, name)) for name, _ in FAULTS}

    failures = []
    with failing_disc.mounted(burnt, os.path.join(WORK, "mnt"), eio=FAULTS) as mount:
        point = mount.point
        runs = [("check-disc.sh", [os.path.join(TOOLS, "check-disc.sh"), point], False),
                ("check-disc.sh --verify",
                 [os.path.join(TOOLS, "check-disc.sh"), point, "--verify"], True),
                ("DemoDiscCheck.exe", ["wine", CHECK_EXE, "Z:" + point.replace("/", "\\")], False),
                ("DemoDiscCheck.exe --verify",
                 ["wine", CHECK_EXE, "Z:" + point.replace("/", "\\"), "--verify"], True)]
        for what, command, verify in runs:
            code, report = run(command)
            with open(os.path.join(WORK, what.replace(" ", "") + ".txt"), "w") as f:
                f.write(report)
            if code != 1:
                failures.append(f"{what}: status {code}, expected 1 (errors)")
            for name, pattern in expected_lines(verify, sizes):
                if not re.search(pattern, report):
                    failures.append(f"{what}: no line matching {pattern!r}")
            print(f"{what}: status {code};",
                  " | ".join(l.strip() for l in report.splitlines()
                             if any(n.split("/")[1] in l for n, _ in FAULTS)), flush=True)
        for name, bad in FAULTS:
            if not any(r[0] == bad and r[4] == "EIO" for r in mount.reads(name)):
                failures.append(f"{name} was never read at its bad sector")
    for f in failures:
        print("FAIL", f, flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
