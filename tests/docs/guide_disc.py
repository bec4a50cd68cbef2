"""The disc maker's guide, docs/making-a-disc.md, as the tests read it: the
disc of one's own that it builds from an empty folder, and its report
examples.

A file the guide gives whole follows a line `<!-- file: <path> -->`; the
maker's own files are the table after `<!-- your files -->`; a report
example follows `<!-- report of: <name> -->`. Each is the code block
after its marker.
"""

import os
import re
import shutil

MARKER = re.compile(r"^<!-- (file|report of): (.+?) -->\n\n```[a-z]*\n(.*?)^```$", re.M | re.S)
YOUR_FILES = re.compile(r"^<!-- your files -->\n\n((?:\|.*\n)+)", re.M)


def read_guide(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def blocks(guide, kind):
    """{name: the block's text} of the markers of `kind`."""
    return {name: text for k, name, text in MARKER.findall(guide) if k == kind}


def own_files(guide):
    """The paths of the maker's own files, from the guide's table."""
    table = YOUR_FILES.search(guide)
    if not table:
        raise SystemExit("the guide has no table after <!-- your files -->")
    rows = table.group(1).splitlines()[2:]  # past the heading and its rule
    return [re.match(r"\| `([^`]+)` \|", row).group(1) for row in rows]


def on_disc(folder, path):
    return os.path.join(folder, *path.split("\\"))


def lay_out_own_disc(guide, folder, exe, sample, example_ini, stand_ins):
    """The guide's disc of its own in `folder`, new or empty, step by step:
    the exe and the sample's autorun.inf, the example DemoDisc.ini, the
    maker's files (`stand_ins`: {extension: a file to copy}), then the texts
    as the guide gives them, the descriptions saved with CR LF and the list
    as a Linux editor saves it, UTF-8 with LF, for --fix-texts to convert."""
    os.makedirs(folder, exist_ok=True)
    if os.listdir(folder):
        raise SystemExit(f"{folder} is not empty")
    shutil.copy(exe, os.path.join(folder, "DemoDisc.exe"))
    shutil.copy(os.path.join(sample, "autorun.inf"), folder)
    shutil.copy(example_ini, os.path.join(folder, "DemoDisc.ini"))
    for path in own_files(guide):
        target = on_disc(folder, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy(stand_ins[os.path.splitext(path)[1].lower()], target)
    for path, text in blocks(guide, "file").items():
        target = on_disc(folder, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        line_end = "\n" if path.lower().endswith("list.txt") else "\r\n"
        with open(target, "w", encoding="utf-8", newline=line_end) as f:
            f.write(text)


def example_mismatch(example, report):
    """What of a report example is not in the real report, or None. The
    example's lines, but for "...", are lines of the report in its order;
    its last line, the counts, is the report's last."""
    lines = report.splitlines()
    at = 0
    for line in example.splitlines():
        if line == "...":
            continue
        try:
            at = lines.index(line, at) + 1
        except ValueError:
            return f"not in the report, in this order: {line}"
    if example.splitlines()[-1:] != lines[-1:]:
        return f"the example does not end with the report's counts: {lines[-1:]}"
    return None
