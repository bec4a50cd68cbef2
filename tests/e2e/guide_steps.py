#!/usr/bin/env python3
"""The guide's own steps for a disc of one's own, as a disc maker takes
them: the disc made from an empty folder as docs/making-a-disc.md tells,
checked with --fix-texts (no error, its list converted) and by
DemoDiscCheck.exe with --strict (no warning either), previewed (its
three pages, their items and rows, no finding), imaged, the image read back
(every file of the folder, byte for byte, and its manifest verified), and
the program started from the image's files: its three tabs under the
file's title, with no message.

Runs inside the display and the Wine prefix that the test command set up;
the preview makes a display and prefix of its own.

  guide_steps.py <DemoDisc.exe> <tests-bin folder> <repo root> <work folder> <arch> <check_disc>
"""

import filecmp
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "docs"))
import guide_disc  # noqa: E402
from wine_driver import configure, log, shoot, start_program, wine  # noqa: E402

EXE, TESTS_BIN, ROOT, WORK, ARCH, CHECKER = sys.argv[1:7]
configure(TESTS_BIN, WORK)
TOOLS = os.path.join(ROOT, "tools")
DISC = os.path.join(WORK, "my-disc")
TITLE = "Демонстрационный диск ООО «Ромашка»"


def run(*command, **kw):
    env = dict(os.environ, DEMODISC_CHECK_DISC=CHECKER, **kw.pop("env", {}))
    done = subprocess.run(command, capture_output=True, text=True, env=env, **kw)
    log(os.path.basename(command[0]), f"ended with {done.returncode}")
    return done


def same_tree(left, right):
    """The paths that differ between two folders, or are in one only."""
    compared = filecmp.dircmp(left, right)
    differ = compared.left_only + compared.right_only + compared.diff_files + compared.funny_files
    _, mismatch, errors = filecmp.cmpfiles(left, right, compared.common_files, shallow=False)
    differ += mismatch + errors
    for sub in compared.common_dirs:
        differ += [os.path.join(sub, p) for p in same_tree(*(os.path.join(f, sub) for f in (left, right)))]
    return sorted(set(differ))


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    sample = os.path.join(WORK, "sample")
    subprocess.run([os.path.join(TOOLS, "make-sample-disc.sh"), sample, EXE], check=True,
                   stdout=subprocess.DEVNULL)
    exe = os.path.join(TESTS_BIN, "window_probe.exe")  # stands in for each of the maker's programs
    guide = guide_disc.read_guide(os.path.join(ROOT, "docs", "making-a-disc.md"))
    guide_disc.lay_out_own_disc(
        guide, DISC, EXE, sample, os.path.join(TOOLS, "sample-disc", "example-DemoDisc.ini"),
        {".exe": exe, ".pdf": os.path.join(sample, "Publication", "sample01.pdf"),
         ".avi": os.path.join(sample, "Video", "Null_video.avi")})
    faults = []

    check = run(os.path.join(TOOLS, "check-disc.sh"), DISC, "--fix-texts")
    if check.returncode != 0 or "rewrote Статьи\\list.txt as cp1251" not in check.stdout:
        faults.append(f"the check: status {check.returncode}\n{check.stdout}{check.stderr}")
    # As on Windows, where the captions and contact lines are measured too: not a warning.
    windows_check = wine(os.path.join(os.path.dirname(EXE), "DemoDiscCheck.exe"), "--strict",
                         "my-disc", cwd=WORK)
    if windows_check.returncode != 0:
        faults.append(f"DemoDiscCheck.exe --strict: status {windows_check.returncode}\n"
                      f"{windows_check.stdout}")

    preview = os.path.join(WORK, "preview")
    shown = run(os.path.join(TOOLS, "preview-disc.sh"), DISC, preview,
                env={"DEMODISC_PREVIEW_EXE": EXE, "DEMODISC_PREVIEW_PROBE": TESTS_BIN,
                     "DEMODISC_WINE_ARCH": ARCH, "DEMODISC_BUILD_DIR": os.path.join(WORK, "build")})
    page = ""
    if shown.returncode == 0:
        with open(os.path.join(preview, "index.html"), encoding="utf-8") as f:
            page = f.read()
    pictures = re.findall(r'<img [^>]*src="([^"]+)"', page)
    # Three pages, three items, two rows.
    if shown.returncode != 0 or len(pictures) != 8 or 'class="error"' in page:
        faults.append(f"the preview: status {shown.returncode}, {len(pictures)} pictures, "
                      f"{shown.stderr[-2000:]}")
    for text in ("Программы", "Статьи", "Видео", "Сайт компании", "Заказы и поставки без бумаг"):
        if text not in page:
            faults.append(f"the preview does not show {text!r}")

    image = os.path.join(WORK, "my-disc.iso")
    made = run(os.path.join(TOOLS, "make-disc-image.sh"), image, DISC)
    burnt = os.path.join(WORK, "burnt")
    subprocess.run(["osirrox", "-indev", image, "-extract", "/", burnt], capture_output=True)
    # Only the manifest is the image's own: the folder's autorun.inf is kept.
    extra = [p for p in same_tree(DISC, burnt) if p != "DISC.SHA256"]
    if made.returncode != 0 or extra or not os.path.exists(os.path.join(burnt, "DISC.SHA256")):
        faults.append(f"the image: status {made.returncode}, read back with differences {extra}, "
                      f"{made.stderr}")
    verified = run(CHECKER, burnt, "--verify")
    if verified.returncode != 0:
        faults.append(f"--verify of the image's files: status {verified.returncode}\n"
                      f"{verified.stdout}")

    subprocess.run(["chmod", "-R", "a-w", burnt], check=True)  # as read-only as a disc
    try:
        proc, main_window, at_start = start_program("DemoDisc.exe", burnt, "Demodisc")
        faults += at_start
        if main_window.windows[0]["text"] != TITLE:
            faults.append(f"the main window's title: {main_window.windows[0]['text']!r}")
        if len(main_window.tabs) != 3:
            faults.append(f"the program on the image shows {len(main_window.tabs)} tabs, not 3")
        rect = [w["rect"] for w in main_window.windows if w["depth"] == 0][0]
        shoot(rect, os.path.join(WORK, "started.png"))
        log("the program started from the image:", os.path.join(WORK, "started.png"))
        proc.kill()
    except SystemExit as e:
        faults.append(f"DemoDisc.exe did not come up from the image: {e}")
    finally:
        subprocess.run(["wineserver", "-k"], check=False)
        subprocess.run(["chmod", "-R", "u+w", burnt], check=False)
    for fault in faults:
        log("FAIL", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
