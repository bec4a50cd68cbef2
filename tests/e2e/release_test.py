#!/usr/bin/env python3
"""The release as a disc maker on Windows gets it: tools/make-release.sh
writes the zip, which is unpacked into a folder whose path holds a blank and
letters outside cp1251; it holds every file it should, its HTML pages link
only to what is in it, DemoDiscCheck.exe passes the unpacked sample disc
with --strict but for the two errors that tell the maker to put the real
player and reader installer in place of the sample's stand-ins, and
DemoDisc.exe starts from it to its main window.

Runs inside the display and the Wine prefix that the test command set up.
Where no 32-bit code runs, the release is made of the PE32+ test build.

  release_test.py <make-release.sh> <product preset> <tests-bin folder> <work folder>
"""

import html.parser
import json
import os
import shutil
import subprocess
import sys
import zipfile

from wine_driver import configure, log, start_program, wine

MAKE_RELEASE, PRESET, TESTS_BIN, WORK = sys.argv[1:5]
configure(TESTS_BIN, WORK)
os.environ["LC_ALL"] = "C.UTF-8"
FOLDER = "Релиз Ω 日本"
EXPECTED = ["CHANGELOG.md", "DemoDisc.exe", "DemoDiscCheck.exe", "THIRD-PARTY.txt",
            "disc-check-json.html", "disc-check-json.md", "disc-check-rules.html",
            "disc-check-rules.md", "example-DemoDisc.ini", "making-a-disc.html",
            "making-a-disc.md", "sample-disc", "sample-disc.accepted"]


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.hrefs, self.ids = [], set()

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "a" and "href" in attrs:
            self.hrefs.append(attrs["href"])


def broken_links(folder):
    """Links of the HTML pages to files or anchors the release lacks."""
    pages = {}
    for name in os.listdir(folder):
        if name.endswith(".html"):
            parser = Links()
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                parser.feed(f.read())
            pages[name] = parser
    broken = []
    for name, parser in pages.items():
        for href in parser.hrefs:
            if href.startswith(("http://", "https://", "mailto:")):
                continue
            page, _, anchor = href.partition("#")
            target = pages.get(page or name)
            if target is None or (anchor and anchor not in target.ids):
                broken.append(f"{name}: {href}")
    return broken


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    env = dict(os.environ, DEMODISC_RELEASE_PRESET=PRESET)
    made = subprocess.run([MAKE_RELEASE], env=env, capture_output=True, text=True)
    if made.returncode != 0:
        log("FAIL make-release.sh:", made.stderr.strip())
        return 1
    archive = made.stdout.strip().splitlines()[-1]
    failures = []
    unpacked = os.path.join(WORK, FOLDER)
    with zipfile.ZipFile(archive) as z:
        tops = {n.split("/")[0] for n in z.namelist()}
        z.extractall(unpacked)
    if len(tops) != 1:
        failures.append(f"the zip holds {sorted(tops)}, not one folder")
    release = os.path.join(unpacked, sorted(tops)[0])
    if sorted(os.listdir(release)) != EXPECTED:
        failures.append(f"the release holds {sorted(os.listdir(release))}")
    failures += [f"broken link {b}" for b in broken_links(release)]

    disc = os.path.join(release, "sample-disc")
    check = wine(os.path.join(release, "DemoDiscCheck.exe"), "--strict", "--json",
                 wine("winepath", "-w", disc).stdout.strip(), cwd=release)
    try:
        report = json.loads(check.stdout)
        errors = [(f["kind"], "LA.exe" in f["message"]) for section in report["sections"]
                  for line in section["lines"] for f in line["findings"]
                  if f["severity"] == "error"]
        if (check.returncode, report["warnings"], sorted(errors)) != (
                1, 0, [("stand_in", False), ("stand_in", True)]):
            failures.append(f"DemoDiscCheck.exe --strict ended with {check.returncode}, "
                            f"{report['warnings']} warnings, errors {errors}")
    except (ValueError, KeyError) as e:
        failures.append(f"DemoDiscCheck.exe printed no report ({e}): {check.stdout[:500]}")

    try:
        proc, _, at_start = start_program("DemoDisc.exe", disc, "Demodisc")
        failures += at_start
        proc.kill()
    except SystemExit as e:
        failures.append(f"DemoDisc.exe did not come up: {e}")
    finally:
        subprocess.run(["wineserver", "-k"], check=False)
    for f in failures:
        log("FAIL", f)
    if not failures:
        log(f"{os.path.basename(archive)}: unpacked under {FOLDER!r}, checked with --strict, started")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
