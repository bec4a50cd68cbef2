#!/usr/bin/env python3
"""The guide's report examples are parts of real runs of the checker: each
example's disc is made as the guide tells, checked, and the example's lines
found in the report in their order, ending with its counts. The guide's
disc of its own passes the check.

  report_examples.py <check_disc> <tools folder> <DemoDisc.exe> <guide.md> <work folder>
"""

import os
import shutil
import subprocess
import sys

import guide_disc

CHECKER, TOOLS, EXE, GUIDE, WORK = sys.argv[1:6]
SAMPLE = os.path.join(WORK, "sample")
STAND_INS = {".exe": os.path.join(os.path.dirname(EXE), "DemoDiscCheck.exe"),
             ".pdf": os.path.join(SAMPLE, "Publication", "sample01.pdf"),
             ".avi": os.path.join(SAMPLE, "Video", "Null_video.avi")}


def own_disc(guide, folder):
    guide_disc.lay_out_own_disc(guide, folder, EXE, SAMPLE,
                                os.path.join(TOOLS, "sample-disc", "example-DemoDisc.ini"),
                                STAND_INS)
    return ["--fix-texts"]


def own_disc_with_a_typo(guide, folder):
    options = own_disc(guide, folder)
    ini = os.path.join(folder, "DemoDisc.ini")
    with open(ini, encoding="utf-8") as f:
        text = f.read()
    with open(ini, "w", encoding="utf-8") as f:
        f.write(text.replace("caption = Сайт компании", "captoin = Сайт компании", 1))
    return options


def sample_without_play_bm(guide, folder):
    shutil.copytree(SAMPLE, folder)
    os.remove(os.path.join(folder, "Presentation", "play_bm.bat"))
    return []


RECIPES = {"own-disc": own_disc, "own-disc with a typo": own_disc_with_a_typo,
           "the sample without Presentation\\play_bm.bat": sample_without_play_bm}


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    subprocess.run([os.path.join(TOOLS, "make-sample-disc.sh"), SAMPLE, EXE], check=True,
                   stdout=subprocess.DEVNULL)
    guide = guide_disc.read_guide(GUIDE)
    examples = guide_disc.blocks(guide, "report of")
    failures = [f"no example of {name!r} in the guide" for name in RECIPES if name not in examples]
    for name, example in examples.items():
        if name not in RECIPES:
            failures.append(f"{name!r}: an example of no disc this test makes")
            continue
        work = os.path.join(WORK, name.replace("\\", "_").replace(" ", "_"))
        os.makedirs(work)
        options = RECIPES[name](guide, os.path.join(work, "my-disc"))
        run = subprocess.run([CHECKER, "my-disc", *options], cwd=work, capture_output=True,
                             text=True, encoding="utf-8")
        mismatch = guide_disc.example_mismatch(example, run.stdout)
        if mismatch:
            failures.append(f"{name!r}: {mismatch}\nthe real report:\n{run.stdout}")
        if name == "own-disc" and run.returncode != 0:
            failures.append(f"the guide's own disc does not pass (status {run.returncode})")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(examples)} report examples, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
