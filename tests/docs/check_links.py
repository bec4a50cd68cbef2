#!/usr/bin/env python3
"""Checks the relative links of the project's Markdown files.

Every link of README.md, CONTRIBUTING.md, CHANGELOG.md and docs/*.md that is
not a web address must point at a file or folder of the repository, and a
#fragment at a heading of the file it names. Prints one line per broken link
and ends with 1 when there is one.

    check_links.py <repository-root>
"""
import os
import pathlib
import re
import sys
import unicodedata

# [text](target) and ![alt](target), not inside code; a target may be followed
# by a title in quotes.
LINK = re.compile(r'!?\[(?:[^\]\\]|\\.)*\]\(\s*<?([^)\s>]*)>?(?:\s+"[^"]*")?\s*\)')
FENCE = re.compile(r"^\s*(```|~~~)")
HEADING = re.compile(r"^\s{0,3}(#{1,6})\s+(.*?)\s*#*\s*$")
CODE_SPAN = re.compile(r"(`+)(.+?)\1")


def markdown_files(root: pathlib.Path) -> list[pathlib.Path]:
    files = [root / name for name in ("README.md", "CONTRIBUTING.md", "CHANGELOG.md")]
    files += sorted((root / "docs").glob("*.md"))
    return [f for f in files if f.is_file()]


def prose_lines(text: str):
    """The lines outside fenced code blocks, with their numbers."""
    fenced = False
    for number, line in enumerate(text.splitlines(), 1):
        if FENCE.match(line):
            fenced = not fenced
            continue
        if not fenced:
            yield number, line


def slug(heading: str) -> str:
    """The anchor GitHub gives a heading: lower case, punctuation dropped,
    blanks made hyphens."""
    text = CODE_SPAN.sub(lambda m: m.group(2), heading)
    text = re.sub(r"!?\[([^\]]*)\]\([^)]*\)", r"\1", text)  # a link keeps its text
    text = text.lower()
    kept = []
    for ch in text:
        if ch in " -_" or unicodedata.category(ch)[0] in "LNM":
            kept.append(ch)
    return "".join(kept).replace(" ", "-")


def anchors(path: pathlib.Path) -> set[str]:
    found: set[str] = set()
    counts: dict[str, int] = {}
    for _, line in prose_lines(path.read_text(encoding="utf-8")):
        m = HEADING.match(line)
        if not m:
            continue
        base = slug(m.group(2))
        n = counts.get(base, 0)
        counts[base] = n + 1
        found.add(base if n == 0 else f"{base}-{n}")
    return found


def broken_links(root: pathlib.Path) -> list[str]:
    root = root.absolute()
    problems = []
    for md in markdown_files(root):
        for number, line in prose_lines(md.read_text(encoding="utf-8")):
            line = CODE_SPAN.sub("", line)
            for m in LINK.finditer(line):
                target = m.group(1)
                where = f"{md.relative_to(root)}:{number}: {target}"
                if not target:
                    problems.append(f"{where}: an empty link")
                    continue
                if re.match(r"^[a-z][a-z0-9+.-]*:", target, re.I):
                    continue  # https:, mailto: and the like
                path_part, _, fragment = target.partition("#")
                path_part = re.sub(r"%20", " ", path_part)
                dest = pathlib.Path(os.path.normpath(md.parent / path_part)) if path_part else md
                if path_part.startswith("/") or root not in [dest, *dest.parents]:
                    problems.append(f"{where}: points outside the repository")
                    continue
                if not dest.exists():
                    problems.append(f"{where}: no such file")
                    continue
                if fragment:
                    if dest.suffix != ".md" or dest.is_dir():
                        problems.append(f"{where}: a #fragment on a file that is not Markdown")
                    elif fragment not in anchors(dest):
                        problems.append(f"{where}: no heading #{fragment} in "
                                        f"{dest.relative_to(root)}")
    return problems


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    root = pathlib.Path(sys.argv[1])
    files = markdown_files(root)
    problems = broken_links(root)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} broken links in {len(files)} Markdown files")
        return 1
    print(f"links: {len(files)} Markdown files, every relative link and #anchor found")
    return 0


if __name__ == "__main__":
    sys.exit(main())
