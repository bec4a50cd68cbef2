#!/usr/bin/env python3
"""DemoDiscCheck.exe under Wine against the Linux checker (tools/check-disc.sh)
on the same folders: the sample disc and damaged copies of it, in text and
JSON, with and without --strict and --accept, give the same report byte for
byte but for the folder's name in the first line, and the same exit code.
So do a disc in a folder whose path holds a blank and letters outside cp1251,
one whose path is longer than MAX_PATH, and the exe started without a folder
(from the disc, or from elsewhere: it checks the folder it lies in); --version
prints the same line; a wrong command line ends both with 2 and the usage.
Only the Windows check measures a disc's own captions and contact lines
with GDI: a caption and a contact line too wide are its two warnings more.
Into a pipe the report is the same UTF-8 bytes as into a file. In a console
window of its own (started as from Explorer) it writes the report into the
window, letters and all, and waits for a key; in a console it shares with
the program that started it, it does not wait (check_console.exe). With
--verify, a disc and its DISC.SHA256, then a changed byte, a missing and an
extra file, and a disc without the file, give the same reports too.

Runs inside the Wine prefix that the test command set up. DEMODISC_CHECK_DISC
names the Linux checker for tools/check-disc.sh, as for the image tool.

  disc_check_on_windows.py <DemoDiscCheck.exe> <DemoDisc.exe> <tools folder>
                           <tests-bin folder> <work folder>
"""

import hashlib
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib
from concurrent.futures import ThreadPoolExecutor

CHECK_EXE, DEMODISC_EXE, TOOLS, TESTS_BIN, WORK = map(os.path.abspath, sys.argv[1:6])
FAILURES = []
# Wine converts names between the Unix and the Windows side in the locale's
# character set.
os.environ["LC_ALL"] = "C.UTF-8"


def expect(condition, what):
    if not condition:
        FAILURES.append(what)


def run(command, cwd, pipe=False):
    """A command's exit code, standard output and error as bytes. Wine's
    output goes through files: a pipe stays open as long as any Wine process
    that inherited it lives."""
    if pipe:
        done = subprocess.run(command, cwd=cwd, capture_output=True, stdin=subprocess.DEVNULL,
                              timeout=120)
        return done.returncode, done.stdout, done.stderr
    with tempfile.TemporaryFile(dir=WORK) as out, tempfile.TemporaryFile(dir=WORK) as err:
        code = subprocess.run(command, cwd=cwd, stdout=out, stderr=err, stdin=subprocess.DEVNULL,
                              timeout=120).returncode
        out.seek(0)
        err.seek(0)
        return code, out.read(), err.read()


def linux(args, cwd=WORK):
    return run([os.path.join(TOOLS, "check-disc.sh"), *args], cwd)


def windows(args, cwd=WORK, exe=CHECK_EXE, pipe=False):
    """Wine now and then ends a console program's run with nothing written to
    either stream, late in a long run of the whole suite: such a run is tried
    once more, and said so. A check that writes nothing twice still fails."""
    result = run(["wine", exe, *args], cwd, pipe)
    if not result[1] and not result[2]:
        print(f"no output from {' '.join(args)} (exit code {result[0]}): run again", flush=True)
        result = run(["wine", exe, *args], cwd, pipe)
    return result


def windows_path(path):
    """A Unix path as Wine shows it to a Windows program: on the drive Z:,
    which is the file system's root. (winepath cuts paths longer than
    MAX_PATH.)"""
    return "Z:" + path.replace("/", "\\")


def first_line_without_folder(output, folder):
    """The report's first line with the folder's name taken out: the text
    form's header, or the JSON's first line (its counts) without "disc"."""
    head = output.split(b"\n", 1)[0].decode("utf-8", "replace")
    if head.startswith("{"):
        return head.replace(json.dumps(folder, ensure_ascii=False), '"<folder>"', 1)
    return head.replace("Disc check of " + folder, "Disc check of <folder>", 1)


def compare(what, linux_args, windows_args, linux_folder, windows_folder, cwd=WORK,
            exe=CHECK_EXE):
    """Both checkers on one folder: the same exit code and report but for
    the folder's name in the first line; nothing on the standard error."""
    print("disc check:", what, flush=True)
    l_code, l_out, l_err = linux(linux_args, cwd)
    w_code, w_out, w_err = windows(windows_args, cwd, exe)
    expect(l_out.startswith(b"Disc check of " + linux_folder.encode()) or
           l_out.startswith(b"{"), f"{what}: the Linux checker printed {l_out[:200]!r} {l_err!r}")
    expect(l_code == w_code, f"{what}: exit codes {l_code} (Linux) and {w_code} (Windows)")
    expect(first_line_without_folder(l_out, linux_folder) ==
           first_line_without_folder(w_out, windows_folder),
           f"{what}: first lines {l_out.partition(NL)[0]!r} and {w_out.partition(NL)[0]!r}")
    l_rest, w_rest = l_out.split(b"\n", 1)[-1], w_out.split(b"\n", 1)[-1]
    if l_rest != w_rest:
        l_lines, w_lines = l_rest.split(b"\n"), w_rest.split(b"\n")
        first = next((i for i, (a, b) in enumerate(zip(l_lines, w_lines)) if a != b),
                     min(len(l_lines), len(w_lines)))
        FAILURES.append(f"{what}: the reports differ from line {first + 2}: Linux "
                        f"{l_lines[first:first + 1]!r}, Windows {w_lines[first:first + 1]!r}")
    expect(l_err == b"" and w_err == b"", f"{what}: standard error {l_err!r} / {w_err!r}")
    return l_code, l_out


NL = b"\n"
OPTION_SETS = [[], ["--json"], ["--strict", "--accept", "accepted.txt"], ["--json", "--strict"]]


def compare_all_ways(names):
    """Both checkers on each WORK/<name> by its relative name, every option
    set, a few at a time: the whole report the same, the first line too.
    The exit codes seen for each."""
    def one(name, options):
        return compare(f"{name} {' '.join(options)}", [name, *options], [name, *options], name,
                       name)[0]
    cases = [(name, options) for name in names for options in OPTION_SETS]
    with ThreadPoolExecutor(4) as pool:
        codes = list(pool.map(lambda case: one(*case), cases))
    return {name: {c for (n, _), c in zip(cases, codes) if n == name} for name in names}


# ---------------------------------------------------------------- the damaged copies

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def cp1251(text):
    return text.replace("\n", "\r\n").encode("cp1251")


def missing_description(d):
    os.remove(os.path.join(d, "Hints", "use_lr.txt"))
    os.remove(os.path.join(d, "Hints", "video_1fly.txt"))


def utf8_descriptions(d):
    write(os.path.join(d, "Hints", "base_mod.txt"),
          "Описание, сохранённое в UTF-8.\r\n".encode("utf-8"))
    write(os.path.join(d, "Hints", "net_mod.txt"),
          "\ufeffОписание в UTF-8 с меткой порядка байтов.\r\n".encode("utf-8"))
    # Bare LF and bare CR line ends, a zero byte.
    write(os.path.join(d, "Hints", "ther_mod.txt"), cp1251("Строка\nещё одна\n").replace(b"\r", b""))
    write(os.path.join(d, "Hints", "spinal_mod.txt"), b"line\rline\r")
    write(os.path.join(d, "Hints", "demo_v15.txt"), b"zero\0byte\r\n")


def own_catalogue(d):
    """A DemoDisc.ini of three pages of its own, in UTF-8 with UTF-8 and
    Notepad's "Unicode" descriptions, and an autorun.inf that starts another
    program."""
    write(os.path.join(d, "DemoDisc.ini"), (
        "[disc]\ntexts = utf-8\n"
        "[page]\ncaption = Программы\n"
        "[item]\ncaption = Установка\nrun = Программы\\setup.exe\ndescription = Описания\\a.txt\n"
        "[item]\ncaption = Сайт\nweb = https://example.ru\n"
        "[page]\ncaption = Статьи\npublications = Publication\\vortan_lit.txt\n"
        "[page]\ncaption = Видео\n[item]\ncaption = Ролик\nplay = Video\\Null_video.avi\n"
        "description = Описания\\b.txt\n").encode("utf-8"))
    write(os.path.join(d, "Программы", "setup.exe"), b"MZ")
    write(os.path.join(d, "Описания", "a.txt"), "Описание в UTF-8.\r\n".encode("utf-8"))
    write(os.path.join(d, "Описания", "b.txt"), "Описание в UTF-16.\r\n".encode("utf-16"))
    write(os.path.join(d, "autorun.inf"), b"[autorun]\r\nopen=setup.exe\r\nlabel=Disc\r\n")


def faulty_description(d):
    """Each kind of fault of a DemoDisc.ini, at its line."""
    write(os.path.join(d, "DemoDisc.ini"), (
        "[diks]\n[page]\ncaption = P\n[item]\ncaptoin = I\nnotice = yes\n"
        "[item]\ncaption = I\nrun = ..\\..\\x.exe\n[item]\ncaption = I\nrun = a.bat\nopen = b.pdf\n"
        "[item]\ncaption = I\n[item]\ncaption = I\nweb = ftp://a\ncaption = J\n").encode("utf-8"))


def png(width, height, damaged=False):
    """A grey PNG of that size; damaged, its image stream's CRC is wrong."""
    def chunk(kind, data):
        crc = zlib.crc32(kind + data) ^ (1 if damaged and kind == b"IDAT" else 0)
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)
    rows = b"".join(b"\0" + b"\x80" * (3 * width) for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def bad_pictures(d):
    """Items' own pictures that their buttons cannot show, and one that they can."""
    pictures = {"sound": png(32, 32), "small": png(16, 16), "oblong": png(48, 32),
                "damaged": png(32, 32, damaged=True), "missing": None}
    items = "".join(f"[item]\ncaption = {name}\nnotice = yes\npicture = Картинки\\{name}.png\n"
                    for name in pictures)
    write(os.path.join(d, "DemoDisc.ini"), f"[page]\ncaption = P\n{items}".encode("utf-8"))
    for name, data in pictures.items():
        if data:
            write(os.path.join(d, "Картинки", f"{name}.png"), data)


def missing_content(d):
    os.remove(os.path.join(d, "Presentation", "play_bm.bat"))
    os.remove(os.path.join(d, "Video", "SpaceKL5_mjpeg.avi"))
    os.remove(os.path.join(d, "Publication", "sample02.pdf"))
    shutil.rmtree(os.path.join(d, "Vortan4"))
    write(os.path.join(d, "Presentation", "play_int.bat"), b"")
    write(os.path.join(d, "Publication", "sample04.pdf"), b"not a PDF")
    write(os.path.join(d, "LA20K", "LA.exe"), b"no program")


def bad_publication_list(d):
    lines = ["rus#sample01.pdf#1.  Образец: номер как надо.",
             "строка без разделителей",
             "rus#sample02.pdf",
             "eng##12. Number cut short.",
             "rus#sample06.pdf#6. Номер в три знака.",
             "rus#нет такого.pdf#7.  Документа нет на диске.",
             "rus#..\\Hints\\about.txt#8.  Документ в другой папке.",
             "eng#sample09.pdf#9.  Ends with a letter",
             ""]
    lines += [f"rus#sample12.pdf#{n:<3d} Строка за пределами сетки." for n in range(10, 46)]
    write(os.path.join(d, "Publication", "vortan_lit.txt"), cp1251("\n".join(lines)))


def too_long_names(d):
    write(os.path.join(d, "LA20K", "д" * 70 + ".txt"), b"x")
    write(os.path.join(d, "Hints", "n" * 80 + ".txt"), b"x")
    os.rename(os.path.join(d, "Publication", "sample01.pdf"),
              os.path.join(d, "Publication", "s" * 66 + ".pdf"))
    listed = open(os.path.join(d, "Publication", "vortan_lit.txt"), "rb").read()
    write(os.path.join(d, "Publication", "vortan_lit.txt"),
          listed.replace(b"sample01.pdf", b"s" * 66 + b".pdf"))


def deep_folders(d):
    deep = os.path.join(d, "LA20K", "a" * 60, "b" * 60)
    write(os.path.join(deep, "c.txt"), b"x")
    write(os.path.join(d, "Vortan4", *(["уровень"] * 8), "файл.txt"), b"x")
    # A document the list names below a folder deeper than Joliet keeps.
    write(os.path.join(d, "Publication", "p" * 60, "q" * 60, "sample13.pdf"), b"%PDF-1.4\n")
    listed = open(os.path.join(d, "Publication", "vortan_lit.txt"), "rb").read()
    write(os.path.join(d, "Publication", "vortan_lit.txt"),
          listed.replace(b"rus##13.", b"rus#" + b"p" * 60 + b"\\" + b"q" * 60 + b"\\sample13.pdf#13."))


def links(d):
    """Links as Wine shows them to a Windows program: a link to a folder is a
    folder that is a reparse point, a link to a file is the file."""
    os.rename(os.path.join(d, "Video"), os.path.join(d, "LA20K", "clips"))
    os.symlink(os.path.join("LA20K", "clips"), os.path.join(d, "Video"))
    os.remove(os.path.join(d, "Hints", "use_lr.txt"))
    os.symlink(os.path.join("..", "Hints", "use_narko.txt"), os.path.join(d, "Hints", "use_lr.txt"))
    os.symlink("..", os.path.join(d, "LA20K", "again"))
    os.symlink(os.path.join("..", "Vortan4"), os.path.join(d, "Ostravilenka_1_5", "to-v4"))
    os.symlink(os.path.join("..", "Ostravilenka_1_5"), os.path.join(d, "Vortan4", "to-o15"))
    elsewhere = os.path.join(WORK, "elsewhere")
    os.makedirs(elsewhere, exist_ok=True)
    os.symlink(os.path.join("..", "..", "elsewhere"), os.path.join(d, "PicRec", "outside"))


def extra_files(d):
    write(os.path.join(d, "notes.txt"), b"x")
    write(os.path.join(d, "演示 Ελλάδα.txt"), b"x")
    write(os.path.join(d, "Hints", "extra.txt"), b"x")
    write(os.path.join(d, "Video", "extra.avi"), b"x")
    write(os.path.join(d, "PicRec", "readme.txt"), b"x")
    write(os.path.join(d, "Thumbs.db"), b"x")
    for n in range(12):
        write(os.path.join(d, "Publication", f"unused{n:02d}.pdf"), b"%PDF-1.4\n")
    # A name in decomposed form: и and the combining breve, where й is meant.
    write(os.path.join(d, "Presentation", "Мои\u0306.txt"), b"x")


def names_windows_drops(d):
    """Names ending in a dot or a blank, which Windows takes away but for a
    \\?\ path: the check reads them as they are."""
    write(os.path.join(d, "LA20K", "trail."), b"x")
    write(os.path.join(d, "LA20K", "blank "), b"xy")
    write(os.path.join(d, "LA20K", "folder.", "in.txt"), b"z")


def no_start_program(d):
    os.remove(os.path.join(d, "DemoDisc.exe"))


def empty_start_program(d):
    write(os.path.join(d, "DemoDisc.exe"), b"")
    os.remove(os.path.join(d, "Acrobat Reader", "AdbeRdr812_ru_RU.exe"))


def letter_case(d):
    """Windows finds a name whatever its letter case; the check warns of it."""
    os.rename(os.path.join(d, "Hints"), os.path.join(d, "hints"))
    os.rename(os.path.join(d, "Publication", "sample06.pdf"),
              os.path.join(d, "Publication", "SAMPLE06.PDF"))
    os.rename(os.path.join(d, "DemoDisc.exe"), os.path.join(d, "demodisc.EXE"))
    os.rename(os.path.join(d, "LA20K", "LA.exe"), os.path.join(d, "LA20K", "la.exe"))


def missing_folders(d):
    shutil.rmtree(os.path.join(d, "Hints"))
    shutil.rmtree(os.path.join(d, "LA20K"))
    shutil.rmtree(os.path.join(d, "PicRec"))


def large_file(d):
    """A clip of 4 GiB and more (sparse: it takes no room)."""
    with open(os.path.join(d, "Video", "Null_video.avi"), "r+b") as f:
        f.truncate(4 * 1024 ** 3 + 1)


def no_disc(d):
    shutil.rmtree(d)
    write(os.path.join(d, "readme.txt"), b"x")


DAMAGES = [missing_description, utf8_descriptions, own_catalogue, faulty_description, bad_pictures,
           missing_content, bad_publication_list,
           too_long_names, deep_folders, links, extra_files, names_windows_drops, no_start_program,
           empty_start_program, letter_case, missing_folders, large_file, no_disc]


# ---------------------------------------------------------------- the cases

def lay_out(disc):
    subprocess.run([os.path.join(TOOLS, "make-sample-disc.sh"), disc, DEMODISC_EXE], check=True,
                   stdout=subprocess.DEVNULL)


def check_sample_and_damaged_copies(sample):
    # The sample with its accepted findings beside it, found by both: its only
    # errors are its stand-ins for the player and the reader installer.
    codes = compare_all_ways(["sample"])["sample"]
    expect(codes == {1}, f"the sample: exit codes {codes}, expected 1 for its two stand-ins")
    # An accepted line that accepts nothing is a note naming the file.
    with open(os.path.join(WORK, "accepted.txt"), "a", encoding="utf-8") as f:
        f.write("Hints\\nothing.txt is empty\n")
    _, out = compare("sample, a stale accepted line", ["sample", "--accept", "accepted.txt"],
                     ["sample", "--accept", "accepted.txt"], "sample", "sample")
    expect(b"accepts no warning of this disc" in out, "no note of the stale accepted line")
    for damage in DAMAGES:
        copy = os.path.join(WORK, damage.__name__)
        shutil.copytree(sample, copy, symlinks=True)
        damage(copy)
    codes = compare_all_ways([damage.__name__ for damage in DAMAGES])
    for damage in DAMAGES:
        # Each damage is an error (with --strict at least); no disc is told apart.
        expected = {2} if damage is no_disc else {1}
        expect(expected <= codes[damage.__name__],
               f"{damage.__name__}: exit codes {codes[damage.__name__]}")


def check_wide_texts(sample):
    """A caption and a contact line wider than their places: warnings that
    only the Windows check gives, measured with GDI; the reports are the
    same but for them."""
    copy = os.path.join(WORK, "wide_texts")
    shutil.copytree(sample, copy, symlinks=True)
    caption = ("Очень длинная подпись пункта, которая никак не поместится на его кнопке "
               "в окне программы при 96 точках на дюйм")
    write(os.path.join(copy, "DemoDisc.ini"), (
        "[contacts]\nweb = www.a-very-long-name-of-a-site.example\n"
        f"[page]\ncaption = P\n[item]\ncaption = {caption}\nnotice = yes\npicture = 1\n"
        "[item]\ncaption = Короткая\nnotice = yes\n").encode("utf-8"))
    print("disc check: wide_texts", flush=True)
    l_code, l_out, _ = linux(["wide_texts"])
    w_code, w_out, _ = windows(["wide_texts"])
    wide = [line for line in w_out.split(NL) if line.endswith(b"[DD802]")]
    expect(len(wide) == 2 and wide[0].startswith(b"  warning  " + caption.encode()[:40])
           and b"[contacts] web" in wide[1], f"the Windows check's wide texts: {wide}")
    expect(l_code == w_code, f"wide texts: exit codes {l_code} and {w_code}")
    # But for the lines of the caption and of DemoDisc.ini, which hold the
    # warnings, and the count of warnings, the reports are one.
    counts = lambda out: [int(n) for n in re.findall(rb"\d+", out.rstrip(NL).split(NL)[-1])]
    strip = lambda out: [line for line in out.split(NL)[1:-2]
                         if caption.encode()[:40] not in line and b"DemoDisc.ini" not in line]
    l_counts, w_counts = counts(l_out), counts(w_out)
    expect(strip(l_out) == strip(w_out) and len(l_counts) == 2
           and w_counts == [l_counts[0], l_counts[1] + 2],
           f"wide texts: Linux {l_out!r}, Windows {w_out!r}")


def check_folders_named_otherwise(sample):
    """Absolute paths: letters outside cp1251 and a blank, longer than MAX_PATH."""
    foreign = os.path.join(WORK, "Диск 演示 Ελλάδα", "my disc")
    longest = os.path.join(WORK, *(["папка с очень длинным именем " + "я" * 30] * 5), "disc")
    for folder in (foreign, longest):
        shutil.copytree(os.path.join(WORK, "missing_content"), folder, symlinks=True)
        win = windows_path(folder)
        expect(len(win) > 260 or folder == foreign, f"{win} is not longer than MAX_PATH")
        for options in ([], ["--json"]):
            compare(f"{win} {' '.join(options)}", [folder, *options], [win, *options], folder, win)
        # The first line names the folder as given, letters and all.
        _, out, _ = windows([win])
        expect(out.startswith(f"Disc check of {win}\n".encode()), f"first line {out[:300]!r}")
        # Given with "/" and a separator at the end, it is the same folder.
        compare(f"{win} with / and a trailing separator", [folder + "/"],
                [win.replace("\\", "/") + "/"], folder + "/", win.replace("\\", "/") + "/")


def check_started_without_a_folder(sample):
    """The exe laid on the disc and started without a folder checks the
    folder it lies in, with the accepted findings beside it; started from
    elsewhere, the same folder."""
    disc = os.path.join(WORK, "own folder")
    shutil.copytree(sample, disc)
    shutil.copy(os.path.join(WORK, "sample.accepted"), disc + ".accepted")
    exe = os.path.join(disc, "DemoDiscCheck.exe")
    shutil.copy(CHECK_EXE, exe)
    win = windows_path(disc)
    for cwd in (disc, WORK):
        for options in ([], ["--json", "--strict"]):
            code, out = compare(f"no folder, started in {cwd} {' '.join(options)}",
                                [disc, *options], options, disc, win, cwd=cwd, exe=exe)
            # The exe itself is a file on the disc that nothing refers to;
            # the sample's stand-ins are errors.
            expect(code == 1 and b"DemoDiscCheck.exe" in out,
                   f"no folder: status {code}")
    # Into a pipe: the same UTF-8 bytes as into a file.
    code, piped, _ = windows([], disc, exe, pipe=True)
    _, filed, _ = windows([], disc, exe)
    expect(piped == filed and "Презентации".encode() in piped,
           f"into a pipe: {piped[:200]!r}, into a file {filed[:200]!r}")
    return disc, exe


def check_console(disc, exe):
    """check_console.exe starts the exe in a console window of its own and
    reads the window; then in one it shares."""
    code, out, err = run(["wine", os.path.join(TESTS_BIN, "check_console.exe"), windows_path(exe),
                          windows_path(disc)], WORK)
    text = out.decode("utf-8", "replace")
    expect(code == 0, f"check_console.exe: status {code}: {text} {err!r}")
    print(text, end="")


def write_manifest(d):
    """DISC.SHA256 as make-disc-image.sh writes it, of the folder as it is."""
    lines = []
    for where, _, names in os.walk(d):
        for name in names:
            path = os.path.relpath(os.path.join(where, name), d)
            with open(os.path.join(where, name), "rb") as f:
                lines.append(f"{hashlib.sha256(f.read()).hexdigest()}  {path}\n")
    write(os.path.join(d, "DISC.SHA256"), "".join(sorted(lines)).encode("utf-8"))


def check_verify(sample):
    """--verify on both: the sample with its manifest, then damaged, then without one."""
    made = os.path.join(WORK, "verified")
    shutil.copytree(sample, made, symlinks=True)
    write_manifest(made)
    damaged = os.path.join(WORK, "verified_damaged")
    shutil.copytree(made, damaged, symlinks=True)
    with open(os.path.join(damaged, "Publication", "sample01.pdf"), "r+b") as f:
        f.seek(-1, os.SEEK_END)
        last = f.read(1)
        f.seek(-1, os.SEEK_END)
        f.write(bytes([last[0] ^ 1]))
    os.remove(os.path.join(damaged, "Video", "Null_video.avi"))
    write(os.path.join(damaged, "LA20K", "added.txt"), b"x")
    # What each report says in text and JSON alike: the notes' words, the errors' codes.
    expected = {"verified": [b"each matches its line"],
                "verified_damaged": [b"DD902", b"DD903", b"DD904"],
                "sample": [b"it was not made by make-disc-image.sh"]}
    for name, said in expected.items():
        for options in (["--verify", "--accept", "accepted.txt"], ["--verify", "--json"]):
            _, out = compare(f"{name} {' '.join(options)}", [name, *options], [name, *options],
                             name, name)
            expect(all(words in out for words in said), f"{name} {options}: no {said} in {out[:300]!r}")


def check_command_lines():
    code_l, out_l, _ = linux(["--version"])
    code_w, out_w, _ = windows(["--version"])
    expect(code_l == code_w == 0 and out_l == out_w and out_l.startswith(b"DemoDisc disc check "),
           f"--version: {out_l!r} ({code_l}), {out_w!r} ({code_w})")
    # The same status and message, each naming its own program.
    for wrong, said in ((["sample", "--fast"], b"usage: "), (["sample", "sample"], b"usage: "),
                        (["sample", "--accept"], b"usage: "), (["--version", "sample"], b"usage: "),
                        (["sample", "--accept", "no such file"],
                         b": cannot read the accepted findings no such file\n")):
        code_l, out_l, err_l = linux(wrong)
        code_w, out_w, err_w = windows(wrong)
        expect(code_l == code_w == 2 and out_l == out_w == b"" and
               said in err_l and said in err_w,
               f"{wrong}: Linux {code_l} {err_l!r}, Windows {code_w} {err_w!r}")


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    expect(run(["winepath", "-w", WORK], WORK)[1].decode().strip() == windows_path(WORK),
           f"{WORK} is not {windows_path(WORK)} to Wine")
    sample = os.path.join(WORK, "sample")
    lay_out(sample)
    shutil.copy(os.path.join(TOOLS, "sample-disc", "accepted.txt"), os.path.join(WORK, "accepted.txt"))
    check_sample_and_damaged_copies(sample)
    check_verify(sample)
    check_wide_texts(sample)
    check_folders_named_otherwise(sample)
    disc, exe = check_started_without_a_folder(sample)
    check_console(disc, exe)
    check_command_lines()
    for failure in FAILURES:
        print("FAIL", failure)
    if not FAILURES:
        print(f"the same reports and exit codes on the sample disc and {len(DAMAGES)} damaged "
              "copies, on foreign and long paths, without a folder; the same --version")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
