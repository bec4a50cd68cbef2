#!/usr/bin/env python3
"""The real checker on the real sample disc (tools/make-sample-disc.sh, with
a stand-in file for the exe and for each stand-in program) and on damaged
copies of it, and make-disc-image.sh on them.

The intact disc gives no error and exactly the warnings its descriptions
ask for on purpose (the empty ones and those marked @LONG in
tools/sample-disc/hints.txt), which its accepted findings
(tools/sample-disc/accepted.txt) accept, so that it passes --strict with
them; without a presentation batch file and a description it names both
and ends with 1, and make-disc-image.sh builds no image of it; --strict
makes the warnings count; a folder that is no disc ends with 2. Images of
the sample, and of a copy with links, a long path and a Russian clip name,
read back whole; a name the image would change removes the image with one
line per difference; a link out of the folder is an error; a disc's own
autorun.inf is kept with its label; --force prints the whole report. An
image's DISC.SHA256 passes sha256sum -c on the image's files, and --verify
on them names the one file whose byte was changed. The
sample's own stand-ins for the player and the reader installer (their
marker) are errors on the lines that start them. --fix-texts rewrites a
description saved as UTF-8 and names one with letters cp1251 lacks;
without it the check writes nothing.

  check_sample_disc.py <check_disc> <tools folder> <work folder>
"""

import json
import os
import re
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


def make_image(image, disc, *options):
    if os.path.exists(image):
        os.remove(image)
    return subprocess.run([os.path.join(TOOLS, "make-disc-image.sh"), image, disc, *options],
                          capture_output=True, text=True,
                          env=dict(os.environ, DEMODISC_CHECK_DISC=CHECKER))


def image_file(image, path):
    """A file of the image's Joliet tree, or None."""
    out = os.path.join(WORK, "extracted")
    if os.path.exists(out):
        os.remove(out)
    subprocess.run(["osirrox", "-indev", image, "-extract", path, out], capture_output=True)
    if not os.path.exists(out):
        return None
    with open(out, "rb") as f:
        return f.read()


def check_images(disc, accepted):
    """make-disc-image.sh on the sample and on copies of it."""
    image = os.path.join(WORK, "sample.iso")
    built = make_image(image, disc)
    expect(built.returncode == 0 and os.path.exists(image) and "files read back" in built.stdout,
           f"the sample's image: status {built.returncode}, {built.stdout} {built.stderr}")
    built = make_image(image, disc, "--strict")
    expect(built.returncode == 1 and not os.path.exists(image),
           f"--strict without the accepted findings: status {built.returncode}")
    built = make_image(image, disc, "--strict", "--accept", accepted)
    expect(built.returncode == 0 and os.path.exists(image),
           f"--strict with the accepted findings: status {built.returncode}, {built.stderr}")
    autorun = image_file(image, "/autorun.inf") or b""
    expect(autorun.startswith(b"[autorun]\r\nopen=DemoDisc.exe\r\n") and b"label=DemoDisc\r\n" in autorun,
           f"the image's autorun.inf: {autorun!r}")
    check_manifest(image, accepted)

    # The exe's name as Windows finds it, letter case ignored; none; a wrong option.
    lower = os.path.join(WORK, "lower-case-exe")
    shutil.copytree(disc, lower)
    os.rename(os.path.join(lower, "DemoDisc.exe"), os.path.join(lower, "demodisc.exe"))
    os.remove(os.path.join(lower, "autorun.inf"))  # the image tool writes its own
    built = make_image(image, lower)
    expect(built.returncode == 0 and b"open=demodisc.exe\r\n" in (image_file(image, "/autorun.inf") or b""),
           f"demodisc.exe: status {built.returncode}, {built.stderr}")
    os.remove(os.path.join(lower, "demodisc.exe"))
    built = make_image(image, lower)
    expect(built.returncode == 1 and "no DemoDisc.exe at the root" in built.stderr and not os.path.exists(image),
           f"no exe: status {built.returncode}, {built.stderr}")
    for wrong in ([image, disc, "--fast"], [], [image, disc, "--label"], [image, disc, "third"]):
        built = subprocess.run([os.path.join(TOOLS, "make-disc-image.sh"), *wrong],
                               capture_output=True, text=True)
        expect(built.returncode == 2 and built.stderr.startswith("usage: make-disc-image.sh"),
               f"wrong arguments {wrong}: status {built.returncode}, {built.stderr}")

    # Video a link to a folder inside the disc, a folder path of 120
    # characters below the root (the most Joliet keeps), a Russian clip name.
    linked = os.path.join(WORK, "linked")
    shutil.copytree(disc, linked, symlinks=True)
    os.rename(os.path.join(linked, "Video"), os.path.join(linked, "LA20K", "clips"))
    os.symlink(os.path.join("LA20K", "clips"), os.path.join(linked, "Video"))
    deep = os.path.join(linked, "LA20K", "a" * 50, "Клипы")
    os.makedirs(deep)
    name = "Тамрит_КЛ5 (2 полет).avi"
    shutil.copy(os.path.join(linked, "Presentation", "about", name), os.path.join(deep, name))
    assert len("LA20K/" + "a" * 50 + "/Клипы/" + name) == 87
    longest = os.path.join(linked, "LA20K", "a" * 50, "b" * (120 - 57 - 4) + ".dat")
    open(longest, "wb").write(b"x")
    assert len(os.path.relpath(longest, linked)) == 120
    image = os.path.join(WORK, "linked.iso")
    built = make_image(image, linked)
    expect(built.returncode == 0 and os.path.exists(image),
           f"the linked copy's image: status {built.returncode}, {built.stderr}")
    expect(image_file(image, "/Video/Null_video.avi") is not None, "the linked Video folder is not in the image")
    expect(image_file(image, "/LA20K/" + "a" * 50 + "/Клипы/" + name) is not None,
           "the Russian clip name is not in the image")

    # A name the image changes: the image is removed, one line per difference.
    changed = os.path.join(linked, "LA20K", "a:b?.txt")
    open(changed, "wb").write(b"x")
    built = make_image(image, linked)
    expect(built.returncode == 1 and not os.path.exists(image), f"a:b?.txt: status {built.returncode}")
    expect("make-disc-image.sh: not in the image: LA20K/a:b?.txt (1 byte)" in built.stderr and
           "make-disc-image.sh: in the image but not in the folder: LA20K/a_b_.txt (1 byte)" in built.stderr,
           f"a:b?.txt: {built.stderr}")
    os.remove(changed)

    # A path Joliet leaves out: xorriso's warning is shown and fails the build.
    too_deep = os.path.join(WORK, "too-deep")
    shutil.copytree(disc, too_deep)
    os.makedirs(os.path.join(too_deep, "LA20K", "a" * 60, "b" * 60))
    built = make_image(image, too_deep, "--force")
    expect(built.returncode == 1 and not os.path.exists(image) and
           "can't be added to Joliet tree" in built.stderr and "xorriso: " in built.stderr,
           f"a path of 121: status {built.returncode}, {built.stderr}")

    # A link out of the disc folder is an error that names it.
    outside = os.path.join(WORK, "outside")
    shutil.copytree(disc, outside)
    shutil.move(os.path.join(outside, "Video"), os.path.join(WORK, "clips-elsewhere"))
    os.symlink(os.path.join(WORK, "clips-elsewhere"), os.path.join(outside, "Video"))
    code, text, report = check(outside)
    expect(code == 1 and "Video: is a link to" in text and "out of the disc folder" in text,
           f"a link out of the folder: {code}")
    built = make_image(image, outside)
    expect(built.returncode == 1 and not os.path.exists(image), f"the outside link's image: {built.returncode}")
    # A link to a folder around itself: an error, and the check ends.
    looped = os.path.join(WORK, "looped")
    shutil.copytree(disc, looped)
    os.symlink("..", os.path.join(looped, "LA20K", "again"))
    # Two links that lead to each other's folder: a loop only through both.
    os.symlink(os.path.join("..", "Vortan4"), os.path.join(looped, "Ostravilenka_1_5", "to-v4"))
    os.symlink(os.path.join("..", "Ostravilenka_1_5"), os.path.join(looped, "Vortan4", "to-o15"))
    code, text, report = check(looped)
    expect(code == 1 and 'LA20K\\again: is a link to "..", a folder around itself' in text and
           'Ostravilenka_1_5\\to-v4\\to-o15: is a link to "../Ostravilenka_1_5", a folder around itself'
           in text and 'Vortan4\\to-o15\\to-v4: is a link to "../Vortan4", a folder around itself' in text,
           f"a link loop: {code}: {[l for l in text.splitlines() if 'link' in l]}")

    # A disc maker's own autorun.inf stays, with its label; --label sets another.
    own = os.path.join(WORK, "own-autorun")
    shutil.copytree(disc, own)
    theirs = b"[autorun]\r\nopen=DemoDisc.exe\r\nlabel=ACME 2024\r\n"
    open(os.path.join(own, "Autorun.inf"), "wb").write(theirs)
    built = make_image(image, own)
    expect(built.returncode == 0 and image_file(image, "/Autorun.inf") == theirs and
           "volume ACME_2024" in built.stdout, f"own autorun.inf: {built.stdout} {built.stderr}")
    built = make_image(image, own, "--new-autorun", "--label", "Demo 2")
    expect(built.returncode == 0 and b"label=Demo 2\r\n" in (image_file(image, "/Autorun.inf") or b""),
           f"--new-autorun --label: {built.stdout} {built.stderr}")


def check_manifest(image, accepted):
    """The image's files, extracted, against its DISC.SHA256: sha256sum -c
    passes; --verify passes, then names the one file with a changed byte."""
    files = os.path.join(WORK, "image-files")
    shutil.rmtree(files, ignore_errors=True)
    subprocess.run(["xorriso", "-read_fs", "norock", "-joliet", "on", "-osirrox", "on", "-indev",
                    image, "-extract", "/", files], capture_output=True, check=True)
    subprocess.run(["chmod", "-R", "u+w", files], check=True)
    manifest = open(os.path.join(files, "DISC.SHA256"), "rb").read()
    listed = sorted(line.split(b"  ", 1)[1].decode("utf-8") for line in manifest.splitlines())
    on_image = sorted(os.path.relpath(os.path.join(where, name), files)
                      for where, _, names in os.walk(files) for name in names if name != "DISC.SHA256")
    expect(listed == on_image, f"DISC.SHA256 lists {len(listed)} files, the image holds {len(on_image)}")
    expect(all(re.fullmatch(rb"[0-9a-f]{64}  [^\r\n]+", line) for line in manifest.splitlines()),
           "DISC.SHA256 holds a line that is not sha256sum's")
    summed = subprocess.run(["sha256sum", "-c", "--strict", "--quiet", "DISC.SHA256"], cwd=files,
                            capture_output=True, text=True)
    expect(summed.returncode == 0, f"sha256sum -c: {summed.returncode} {summed.stdout} {summed.stderr}")
    code, text, _ = check(files, "--verify", "--accept", accepted)
    expect(code == 0 and f"{len(listed)} files and" in text.split("\n")[2],
           f"--verify of the image's files: {code}: {text[:400]}")
    with open(os.path.join(files, "Hints", "about.txt"), "r+b") as f:
        f.seek(5)
        byte = f.read(1)
        f.seek(5)
        f.write(bytes([byte[0] ^ 1]))
    code, text, report = check(files, "--verify", "--accept", accepted)
    read_back = [(f["path"], f["rule"]) for line in report["sections"][0]["lines"]
                 for f in line["findings"]]
    expect(code == 1 and read_back == [("Hints\\about.txt", "DD902")],
           f"--verify after a changed byte: {code}: {read_back}")


def stand_in_marker(name):
    """A marker the sample's stand-ins carry, as the check knows it."""
    header = os.path.join(TOOLS, "..", "src", "disc_check", "stand_in_markers.h")
    with open(header, encoding="utf-8") as f:
        text = f.read()
    return re.search(name + r'\[\] =\s*"([^"]*)"', text).group(1).encode("ascii")


def snapshot(folder):
    files = {}
    for where, _, names in os.walk(folder):
        for name in names:
            with open(os.path.join(where, name), "rb") as f:
                files[os.path.relpath(os.path.join(where, name), folder)] = f.read()
    return files


def check_stand_ins(disc):
    """The sample's stand-ins, told by their marker wherever it lies in the file."""
    copy = os.path.join(WORK, "stand-ins")
    shutil.copytree(disc, copy)
    with open(os.path.join(copy, "LA20K", "LA.exe"), "wb") as f:
        f.write(b"MZ" + bytes(300 * 1024) + stand_in_marker("kPlayerStandInMarker") + bytes(16))
    with open(os.path.join(copy, "Acrobat Reader", "AdbeRdr812_ru_RU.exe"), "wb") as f:
        f.write(b"MZ" + stand_in_marker("kInstallerStandInMarker"))
    code, text, report = check(copy)
    expect(code == 1 and findings(report, "error") == ["Acrobat Reader\\AdbeRdr812_ru_RU.exe", "LA20K\\LA.exe"],
           f"the stand-ins: {code}, {findings(report, 'error')}")
    expect("LA20K\\LA.exe is the sample's stand-in for LA.exe: put the real player here" in text and
           "is the sample's stand-in for AdbeRdr812_ru_RU.exe: put the real reader installer here" in text,
           f"the stand-ins' messages: {[l for l in text.splitlines() if 'stand-in' in l]}")
    image = os.path.join(WORK, "stand-ins.iso")
    built = make_image(image, copy)
    expect(built.returncode == 1 and not os.path.exists(image), f"the stand-ins' image: {built.returncode}")


def check_deep_document(disc):
    """A document below a folder whose path Joliet leaves out: an error on its row."""
    copy = os.path.join(WORK, "deep-document")
    shutil.copytree(disc, copy)
    folder = os.path.join("a" * 60, "b" * 50)
    os.makedirs(os.path.join(copy, "Publication", folder))
    os.rename(os.path.join(copy, "Publication", "sample01.pdf"),
              os.path.join(copy, "Publication", folder, "sample01.pdf"))
    listed = os.path.join(copy, "Publication", "vortan_lit.txt")
    with open(listed, "rb") as f:
        lines = f.read()
    with open(listed, "wb") as f:
        f.write(lines.replace(b"#sample01.pdf#", ("#" + folder.replace("/", "\\") + "\\sample01.pdf#").encode(), 1))
    code, _, report = check(copy)
    rows = [line for s in report["sections"] for line in s["lines"] if line["item"] == "row 1"]
    expect(code == 1 and len(rows) == 1 and rows[0]["status"] == "error" and
           [f["kind"] for f in rows[0]["findings"]] == ["folder_above"],
           f"a document below a folder Joliet leaves out: {code}, {rows}")


def check_fix_texts(disc):
    """--fix-texts on a copy whose descriptions were saved as UTF-8."""
    copy = os.path.join(WORK, "fix-texts")
    shutil.copytree(disc, copy)
    about = os.path.join(copy, "Hints", "about.txt")
    with open(about, "rb") as f:
        cp1251 = f.read()
    utf8 = b"\xef\xbb\xbf" + cp1251.decode("cp1251").replace("\r\n", "\n").encode("utf-8")
    foreign = "Ősz, Žilina\n".encode("utf-8")
    with open(about, "wb") as f:
        f.write(utf8)
    with open(os.path.join(copy, "Hints", "ther_mod.txt"), "wb") as f:
        f.write(foreign)
    before = snapshot(copy)
    code, text, _ = check(copy)
    expect(snapshot(copy) == before, "the check without --fix-texts changed the disc")
    expect("Hints\\about.txt looks like UTF-8" in text, "no UTF-8 warning before --fix-texts")

    fixed = subprocess.run([CHECKER, copy, "--fix-texts"], capture_output=True, text=True)
    expect(fixed.stdout.startswith(
        "rewrote Hints\\about.txt as cp1251 with CR LF: it was UTF-8 with a byte-order mark and had "
        "bare LF line ends\nleft Hints\\ther_mod.txt as it is: it holds letters cp1251 lacks, \"Ő\", "
        "\"Ž\"; change them and run --fix-texts again\n\nDisc check of"), f"--fix-texts: {fixed.stdout[:400]}")
    expect("looks like UTF-8" in fixed.stdout and "Hints\\about.txt looks like UTF-8" not in fixed.stdout,
           "the report after --fix-texts does not show the rewritten description fixed")
    after = snapshot(copy)
    expect(after[os.path.join("Hints", "about.txt")] == cp1251, "about.txt is not the cp1251 it was made from")
    expect(after[os.path.join("Hints", "ther_mod.txt")] == foreign, "ther_mod.txt changed")
    expect(sorted(after) == sorted(before), "--fix-texts left a file behind")

    # With --json the changes go to stderr, the report stays JSON.
    with open(about, "wb") as f:
        f.write(utf8)
    fixed = subprocess.run([CHECKER, copy, "--fix-texts", "--json"], capture_output=True, text=True)
    expect(fixed.stderr.startswith("rewrote Hints\\about.txt") and json.loads(fixed.stdout)["is_disc"],
           f"--fix-texts --json: {fixed.stderr[:200]}")

    # A read-only description is named and left whole, and the check ends with 1.
    with open(about, "wb") as f:
        f.write(utf8)
    os.chmod(about, 0o444)
    fixed = subprocess.run([CHECKER, copy, "--fix-texts"], capture_output=True, text=True)
    expect(fixed.returncode == 1 and fixed.stdout.startswith(
        "could not rewrite Hints\\about.txt, left as it is: it is read-only\n"),
        f"a read-only description: {fixed.returncode}, {fixed.stdout[:200]}")
    with open(about, "rb") as f:
        expect(f.read() == utf8, "the read-only description changed")
    os.chmod(about, 0o644)


def current_reader_installer():
    """A PE32 whose version resource names a current Acrobat Reader, 24.0.0:
    the type, name and language directories of a resource section, and a
    VS_VERSIONINFO block with its fixed part and a ProductName string."""
    b = bytearray(0x600)

    def put(at, value, count):
        b[at:at + count] = value.to_bytes(count, "little")

    def text(at, s):
        data = s.encode("utf-16-le") + b"\0\0"
        b[at:at + len(data)] = data
        return at + len(data)

    b[0:2] = b"MZ"
    put(0x3C, 0x80, 4)
    b[0x80:0x84] = b"PE\0\0"
    put(0x86, 1, 2)
    put(0x94, 96 + 16 * 8, 2)
    put(0x98, 0x10B, 2)
    dirs = 0x98 + 96
    put(dirs - 4, 16, 4)
    put(dirs + 16, 0x1000, 4)
    put(dirs + 20, 0x200, 4)
    section = 0x98 + 96 + 16 * 8
    b[section:section + 5] = b".rsrc"
    for offset, value in ((8, 0x200), (12, 0x1000), (16, 0x200), (20, 0x400)):
        put(section + offset, value, 4)
    r = 0x400
    for at, entry_id, target in ((r, 16, 0x80000018), (r + 0x18, 1, 0x80000030), (r + 0x30, 0x419, 0x48)):
        put(at + 14, 1, 2)
        put(at + 16, entry_id, 4)
        put(at + 20, target, 4)
    put(r + 0x48, 0x1060, 4)
    put(r + 0x4C, 0x180, 4)
    v = r + 0x60
    put(v, 0x180, 2)
    put(v + 2, 52, 2)
    text(v + 6, "VS_VERSION_INFO")
    put(v + 40, 0xFEEF04BD, 4)
    put(v + 56, 24 << 16, 4)
    value = text(v + 92 + 6, "ProductName")
    text(value + (4 - (value - v) % 4) % 4, "Adobe Acrobat Reader")
    return bytes(b)


def lay_out(disc):
    """The sample with real programs in the stand-ins' places: a current
    reader's installer under the name of the first discs' one."""
    exe_dir = os.path.join(WORK, "exe")
    os.makedirs(os.path.join(exe_dir, "stand-ins"), exist_ok=True)
    for name in ("DemoDisc.exe", "stand-ins/LA.exe"):
        with open(os.path.join(exe_dir, name), "wb") as f:
            f.write(b"MZ stand-in of the test")
    with open(os.path.join(exe_dir, "stand-ins", "AdbeRdr812_ru_RU.exe"), "wb") as f:
        f.write(current_reader_installer())
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
    # The sample is laid out with its accepted findings beside it, which the
    # check finds by itself: --strict passes. Without them, what follows.
    expect(os.path.exists(disc + ".accepted"), "no accepted findings beside the sample")
    code, _, _ = check(disc, "--strict")
    expect(code == 0, f"--strict on the sample as laid out ends with {code}")
    os.remove(disc + ".accepted")

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
    # The sample's start program is unsigned: a note, never a warning.
    expect("\n  ok       start program: not signed\n" in text,
           "the start program's line does not say that it is not signed")
    expect(text.rstrip().endswith(f"0 errors, {len(asked_warnings())} warnings"), "no summary")
    code, _, _ = check(disc, "--strict")
    expect(code == 1, f"--strict on the sample's warnings ends with {code}")
    accepted = os.path.join(TOOLS, "sample-disc", "accepted.txt")
    code, text, report = check(disc, "--strict", "--accept", accepted)
    expect(code == 0 and report["warnings"] == 0 and report["accepted"] == len(asked_warnings()),
           f"--strict with the sample's accepted findings ends with {code}: {report['warnings']} warnings")
    expect(text.rstrip().endswith(f"0 errors, 0 warnings ({len(asked_warnings())} more accepted)"),
           "the summary does not count the accepted warnings")
    # The same file beside the disc is found by itself.
    shutil.copy(accepted, disc + ".accepted")
    code, _, _ = check(disc, "--strict")
    expect(code == 0, f"--strict with the accepted findings beside the disc ends with {code}")
    os.remove(disc + ".accepted")
    expect(report["version"] == 2 and
           all(s["page"] and all(line["item"] and all(f["kind"] for f in line["findings"])
                                 for line in s["lines"]) for s in report["sections"]),
           "the JSON lacks a stable key")
    image_size = [f for s in report["sections"] for line in s["lines"] if line["item"] == "image"
                  for f in line["findings"]]
    expect(len(image_size) == 1 and image_size[0]["bytes"] > 0, f"the image's size: {image_size}")
    check_images(disc, accepted)

    check_stand_ins(disc)
    check_deep_document(disc)
    check_fix_texts(disc)

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
    built = make_image(image, damaged)
    expect(built.returncode == 1 and not os.path.exists(image),
           f"make-disc-image.sh on the damaged disc: status {built.returncode}, {built.stderr}")
    # --force prints the whole report and builds the image all the same.
    built = make_image(image, damaged, "--force")
    expect(built.returncode == 0 and os.path.exists(image) and built.stdout.startswith("Disc check of") and
           "  ok       start program" in built.stdout,
           f"--force on the damaged disc: status {built.returncode}, {built.stdout[:200]}")
    # Without --force, the image that run left is not taken for a new one.
    built = subprocess.run([os.path.join(TOOLS, "make-disc-image.sh"), image, damaged],
                           capture_output=True, text=True, env=dict(os.environ, DEMODISC_CHECK_DISC=CHECKER))
    expect(built.returncode == 1 and os.path.exists(image) and
           built.stderr.endswith(f"make-disc-image.sh: {image} is an earlier image, left as it was\n"),
           f"an earlier image at the path: status {built.returncode}, {built.stderr}")

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
