#!/usr/bin/env python3
"""tools/preview-disc.sh on the sample disc with two faults planted: a
missing description and a missing publication document. The disc stays
byte for byte as it was; the page names the program's version, every
picture it shows exists and decodes, each planted fault is reported on its
item's or row's entry (the description's with the program's message box),
and headless Chromium draws the page.

Runs alone: the tool makes its own display and prefix.

  preview_of_a_disc.py <DemoDisc.exe> <tests-bin folder> <repo root> <work folder> <arch> <version> [check_disc]
"""

import hashlib
import os
import shutil
import subprocess
import sys
from html.parser import HTMLParser

EXE, TESTS_BIN, ROOT, WORK, ARCH, VERSION = sys.argv[1:7]
CHECKER = sys.argv[7] if len(sys.argv) > 7 else ""
DISC = os.path.join(WORK, "disc")
OUT = os.path.join(WORK, "preview")


def log(*parts):
    print("preview:", *parts, flush=True)


def digest(folder):
    """Every folder and file below `folder` with its bytes' hash."""
    seen = []
    for here, dirs, files in os.walk(folder):
        dirs.sort()
        seen.append(("dir", os.path.relpath(here, folder)))
        for name in sorted(files):
            with open(os.path.join(here, name), "rb") as f:
                seen.append((os.path.relpath(os.path.join(here, name), folder),
                             hashlib.sha256(f.read()).hexdigest()))
    return seen


class Page(HTMLParser):
    """The pictures of the page, and the text of each entry by its id."""

    def __init__(self):
        super().__init__()
        self.pictures, self.entries, self.ids = [], {}, {}
        self.open = []  # (id of the entry or None) per open div

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "img":
            self.pictures.append(attrs["src"])
        if tag == "div":
            self.open.append(attrs.get("id") if "entry" in attrs.get("class", "").split() else None)
        if tag == "li" and attrs.get("data-kind"):
            for entry in filter(None, self.open):
                self.entries[entry] += f" [{attrs['class']}:{attrs['data-kind']}]"
        if "id" in attrs:
            self.ids[attrs["id"]] = ""
            self.current_id = attrs["id"]
        if tag == "div" and self.open[-1]:
            self.entries[self.open[-1]] = ""

    def handle_endtag(self, tag):
        if tag == "div" and self.open:
            self.open.pop()

    def handle_data(self, data):
        for entry in filter(None, self.open):
            self.entries[entry] += data
        if getattr(self, "current_id", None) == "version":
            self.ids["version"] += data
            self.current_id = None


def main():
    if os.path.exists(WORK):
        shutil.rmtree(WORK)
    os.makedirs(WORK)
    subprocess.run([os.path.join(ROOT, "tools", "make-sample-disc.sh"), DISC, EXE], check=True,
                   stdout=subprocess.DEVNULL)
    os.remove(os.path.join(DISC, "Hints", "base_mod.txt"))
    with open(os.path.join(DISC, "Publication", "vortan_lit.txt"), encoding="cp1251") as f:
        second = f.read().splitlines()[1].split("#")[1]
    os.remove(os.path.join(DISC, "Publication", second))
    before = digest(DISC)

    env = dict(os.environ, DEMODISC_PREVIEW_EXE=EXE, DEMODISC_PREVIEW_PROBE=TESTS_BIN,
               DEMODISC_WINE_ARCH=ARCH, DEMODISC_BUILD_DIR=os.path.join(WORK, "build"))
    if CHECKER:
        env["DEMODISC_CHECK_DISC"] = CHECKER
    run = subprocess.run([os.path.join(ROOT, "tools", "preview-disc.sh"), DISC, OUT], env=env,
                         capture_output=True, text=True)
    log(run.stdout.strip(), run.stderr.strip())
    faults = []
    if run.returncode != 0:
        return 1
    if digest(DISC) != before:
        faults.append("the disc folder changed")

    page = Page()
    with open(os.path.join(OUT, "index.html"), encoding="utf-8") as f:
        page.feed(f.read())
    if page.ids.get("version") != VERSION:
        faults.append(f"the page names version {page.ids.get('version')!r}, not {VERSION}")
    # Five pages, 26 items, 14 rows and the message box of the missing description.
    if len(page.pictures) != 5 + 26 + 14:
        faults.append(f"the page shows {len(page.pictures)} pictures, not 45")
    for src in page.pictures:
        path = os.path.join(OUT, src)
        decoded = subprocess.run(["identify", path], capture_output=True)
        if src.startswith("/") or ".." in src or decoded.returncode != 0:
            faults.append(f"the picture {src} is missing or does not decode")
    # The sample carries its DemoDisc.ini, whose items are named by their place.
    base_mod = page.entries.get("Present-Item1_2", "")
    if "[error:missing]" not in base_mod or "File not found." not in base_mod:
        faults.append(f"the missing description is not on its item: {base_mod!r}")
    row = page.entries.get("Artikel-row-2", "")
    if "[error:" not in row or second not in row:
        faults.append(f"the missing document is not on its row: {row!r}")
    if "[error:" in page.entries.get("Present-Item1_1", "[error:"):
        faults.append("an error is reported on an item without a fault")

    profile = os.path.join(WORK, "chromium-profile")
    os.makedirs(profile)
    shot = os.path.join(WORK, "page.png")
    subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                    "--no-first-run", "--disable-background-networking",
                    "--disable-component-update", "--disable-sync", f"--user-data-dir={profile}",
                    f"--screenshot={shot}", "--window-size=1280,2400",
                    "file://" + os.path.join(OUT, "index.html")],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    colours = subprocess.run(["identify", "-format", "%k", shot], capture_output=True, text=True)
    if colours.returncode != 0 or int(colours.stdout or 0) < 50:
        faults.append(f"Chromium drew no page ({shot}: {colours.stdout or colours.stderr})")
    log("the page as Chromium draws it:", shot)
    for fault in faults:
        log("FAULT", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
