#!/usr/bin/env python3
"""Drives DemoDisc.exe on a disc under Wine and takes the preview's pictures:
each page as it opens (the pointer on its tab), each catalogue item's memo
with the pointer on the item, the entry under the publication grid with each
row selected in turn, and every message box the program shows on the way
(it is answered with Enter). Writes the list of pictures as JSON.

Runs inside a display and a Wine prefix (DISPLAY, WINEPREFIX) of its own:
the pointer is moved freely. A program that ends or does not answer is one
line on stderr and exit status 1.

  drive_program.py <DemoDisc.exe> <window_probe folder> <disc> <check.json> <pictures> <work>
                   <shots.json>
"""

import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "e2e"))
from wine_driver import (BUTTON_HEIGHT, centre, configure, find, key, pointer, probe, settle,  # noqa: E402
                         shoot, top_windows)

MAIN, BOX = "TMainForm", "#32770"
START_TIMEOUT = 60.0
# How long a memo may take to show what the pointer asked for; a memo that
# shows the same text as before (two equal descriptions) is taken after it.
CHANGE_TIMEOUT = 2.0


class Driver:
    def __init__(self, exe, disc, pictures):
        self.exe, self.disc, self.pictures = exe, disc, pictures
        self.proc = None

    def picture(self, rect, name):
        shoot(rect, os.path.join(self.pictures, name))
        return name

    def look(self):
        """The main window's windows and any message box, once the program answers."""
        end = time.time() + 30
        while time.time() < end:
            p, code = probe(MAIN, BOX)
            mains = top_windows(p, MAIN)
            if code == 0 and mains:
                return p, mains[0], top_windows(p, BOX)
            self.still_running()
            time.sleep(0.2)
        raise SystemExit("DemoDisc.exe stopped answering (no answering main window within 30 s)")

    def still_running(self):
        if self.proc.poll() is not None:
            raise SystemExit(f"DemoDisc.exe ended (status {self.proc.returncode}) while it was driven")

    def start(self):
        self.proc = subprocess.Popen(["wine", self.exe], cwd=self.disc, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        end = time.time() + START_TIMEOUT
        while time.time() < end:
            if self.proc.poll() is not None:
                raise SystemExit(f"DemoDisc.exe ended at its start (status {self.proc.returncode})"
                                 " before its main window came up")
            p, code = probe(MAIN, BOX)
            if code == 0 and top_windows(p, MAIN):
                return
            time.sleep(0.3)
        raise SystemExit(f"DemoDisc.exe did not come up: no answering main window within"
                         f" {START_TIMEOUT:g} s")

    def answer_boxes(self, name):
        """Pictures and texts of the message boxes up now, each answered with
        Enter; the first is called <name>.png, the others <name>-<n>.png."""
        boxes = []
        for n in range(1, 6):
            _, _, up = self.look()
            if not up:
                break
            box = up[0]
            texts = [w["text"] for w in box[1:] if w["class"] == "Static" and w["text"]]
            picture = self.picture(box[0]["rect"], f"{name}.png" if n == 1 else f"{name}-{n}.png")
            boxes.append({"picture": picture, "caption": box[0]["text"], "text": " ".join(texts)})
            key("Return")
            time.sleep(0.3)
        return boxes

    def memo_after(self, before):
        """The memo's window once its text differs from `before`, or a message
        box came up, or the time is over: (memo, boxes up)."""
        end = time.time() + CHANGE_TIMEOUT
        while True:
            p, _, up = self.look()
            memo = find(p, "Edit")
            if up or memo["text"] != before or time.time() > end:
                time.sleep(0.2)  # painted after the text is set
                return memo, up

    def items(self, page, count):
        p, _, _ = self.look()
        left, top, right, _ = find(p, "TButtonGroup")["rect"]
        memo = find(p, "Edit")
        shots = []
        for i in range(count):
            # Inside the group's sunken border, on the middle of the button.
            pointer(left + (right - left) // 3, top + 2 + i * BUTTON_HEIGHT + BUTTON_HEIGHT // 2)
            memo, up = self.memo_after(memo["text"])
            name = f"item-{page}-{i + 1}"
            boxes = self.answer_boxes(name) if up else []
            if boxes:
                memo = find(self.look()[0], "Edit")
            shots.append({"picture": boxes[0]["picture"] if boxes else
                          self.picture(memo["rect"], f"{name}.png"), "boxes": boxes})
        return shots

    def rows(self, count):
        p, _, _ = self.look()
        left, top, _, _ = find(p, "TStringGrid")["rect"]
        entry = find(p, "Edit")
        shots = []
        for row in range(1, count + 1):
            if row == 1:
                # The first row's text column: inside the border, below the header row.
                pointer(left + 2 + 120, top + 2 + 18 + 9, click=True)
            else:
                key("Down")
            entry, up = self.memo_after(entry["text"])
            name = f"row-{row}"
            boxes = self.answer_boxes(name) if up else []
            shots.append({"picture": self.picture(entry["rect"], f"{name}.png"), "boxes": boxes})
        return shots

    def run(self, pages, rows):
        """`pages`: the pages in tab order, each its name and the number of
        catalogue items it shows (0 for the publication page)."""
        shots = {"start": [], "pages": {}, "items": {}, "rows": []}
        self.start()
        shots["start"] = self.answer_boxes("start")
        for index, (page, count) in enumerate(pages):
            tabs = self.look()[0].tabs
            if index >= len(tabs):
                raise SystemExit(f"DemoDisc.exe shows {len(tabs)} tabs, not {len(pages)}")
            pointer(*centre(tabs[index]), click=True)
            time.sleep(0.5)
            _, main, up = self.look()
            shots["pages"][page] = {"picture": self.picture(main[0]["rect"], f"page-{page}.png"),
                                    "boxes": self.answer_boxes(f"page-{page}-box") if up else []}
            if count:
                shots["items"][page] = self.items(page, count)
            elif rows:
                shots["rows"] = self.rows(rows)
        return shots


def main():
    exe, probe_dir, disc, check, pictures, work, out = sys.argv[1:8]
    configure(probe_dir, work)
    # The pages and their items as the check found them, and the rows of the publication list.
    with open(check, encoding="utf-8") as f:
        sections = [s for s in json.load(f)["sections"] if s["page"] != "Disc"]
    def publications(s):
        return any(line["item"] == "list" or line["item"].startswith("row ") for line in s["lines"])

    pages = [(s["page"], 0 if publications(s) else len(s["lines"])) for s in sections]
    rows = sum(line["item"].startswith("row ") for s in sections for line in s["lines"])
    driver = Driver(exe, disc, pictures)
    try:
        shots = driver.run(pages, rows)
    except subprocess.CalledProcessError as e:
        raise SystemExit(f"{os.path.basename(e.cmd[0])} failed (status {e.returncode}) while"
                         " DemoDisc.exe was driven") from None
    finally:
        if driver.proc:
            driver.proc.kill()
            driver.proc.wait()
        settle()
    with open(out, "w", encoding="utf-8") as f:
        json.dump(shots, f, ensure_ascii=False, indent=1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
