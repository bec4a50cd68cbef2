#!/usr/bin/env python3
"""The real checker on the real sample disc (tools/make-sample-disc.sh, with
a stand-in file for the exe and for each stand-in program) and on damaged
copies of it.

The intact disc gives no error and exactly the warnings its descriptions
ask for on purpose (the empty ones and those marked @LONG in
tools/sample-disc/hints.txt); without a presentation batch file and a
description it names both and ends with 1, and make-disc-image.sh builds no
image of it; --strict makes the warnings count; a folder that is no disc
ends with 2.

  check_sample_disc.py <check_disc> <tools folder> <work folder>
"""

import json
import os
import shutil
import subprocess
import sys

CHECKER, TOOLS, WORK = sys.argv[1:4]
FAILURES = []


def expect(condition, what):
    if not condition:
        FAILURES.append(what)


def check(disc, *options):
    text = subprocess.run([CHECKER, disc, *options], capture_output=True, text=True)
    report = subprocess.run([CHECKER, disc, "--json", *options], capture_output=True, text=True)
    expect(text.returncode == report.returncode, f"{disc}: text and JSON end differently")
    return text.returncode, text.stdout, json.loads(report.stdout)


def findings(report, severity):
    return sorted(f["path"] for s in report["sections"] for line in s["lines"]
                  for f in line["findings"] if f["severity"] == severity)


def lay_out(disc):
    exe_dir = os.path.join(WORK, "exe")
    os.makedirs(os.path.join(exe_dir, "stand-ins"), exist_ok=True)
    for name in ("DemoDisc.exe", "stand-ins/LA.exe", "stand-ins/AdbeRdr812_ru_RU.exe"):
        with open(os.path.join(exe_dir, name), "wb") as f:
            f.write(b"MZ stand-in of the test")
    subprocess.run([os.path.join(TOOLS, "make-sample-disc.sh"), disc,
                    os.path.join(exe_dir, "DemoDisc.exe")], check=True, stdout=subprocess.DEVNULL)


def asked_warnings():
    """The descriptions the sample makes empty or long on purpose."""
    paths = []
    with open(os.path.join(TOOLS, "sample-disc", "hints.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or "|" not in line:
                continue
            name, text = line.rstrip("\n").split("|", 1)
            if not text or text.endswith("@LONG"):
                paths.append("Hints\\" + name)
    return sorted(paths)


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    disc = os.path.join(WORK, "disc")
    lay_out(disc)

    code, text, report = check(disc)
    expect(code == 0, f"the intact disc ends with {code}")
    expect(findings(report, "error") == [], f"errors on the intact disc: {findings(report, 'error')}")
    expect(findings(report, "warning") == asked_warnings(),
           f"warnings {findings(report, 'warning')}, asked for {asked_warnings()}")
    expect([s["title"] for s in report["sections"]] ==
           ["Презентации", "Публикации", "Демо-версии", "Видео", "Применения", "Disc"],
           "the pages are not in the program's order")
    expect(sum(1 for line in text.splitlines() if line.startswith("  ok       row ")) == 14,
           "not every publication row has its line")
    expect(text.rstrip().endswith(f"0 errors, {len(asked_warnings())} warnings"), "no summary")
    code, _, _ = check(disc, "--strict")
    expect(code == 1, f"--strict on the sample's warnings ends with {code}")

    damaged = os.path.join(WORK, "damaged")
    shutil.copytree(disc, damaged)
    os.remove(os.path.join(damaged, "Presentation", "play_bm.bat"))
    os.remove(os.path.join(damaged, "Hints", "use_lr.txt"))
    code, text, report = check(damaged)
    expect(code == 1, f"the damaged disc ends with {code}")
    expect(findings(report, "error") == ["Hints\\use_lr.txt", "Presentation\\play_bm.bat"],
           f"errors on the damaged disc: {findings(report, 'error')}")
    expect("Presentation\\play_bm.bat is missing" in text and "Hints\\use_lr.txt is missing" in text,
           "the text does not name both files")
    image = os.path.join(WORK, "damaged.iso")
    built = subprocess.run([os.path.join(TOOLS, "make-disc-image.sh"), image, damaged],
                           capture_output=True, text=True, env=dict(os.environ, DEMODISC_CHECK_DISC=CHECKER))
    expect(built.returncode == 1 and not os.path.exists(image),
           f"make-disc-image.sh on the damaged disc: status {built.returncode}, {built.stderr}")

    nothing = os.path.join(WORK, "no-disc")
    os.makedirs(nothing)
    code, text, report = check(nothing)
    expect(code == 2 and not report["is_disc"] and "not a disc" in text,
           f"an empty folder ends with {code}: {text}")

    for failure in FAILURES:
        print("FAIL", failure)
    if not FAILURES:
        print("the sample disc passes with the warnings it asks for; the damaged copy and the "
              "empty folder are told apart")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
