#!/usr/bin/env python3
"""The documentation's two checks fail on broken copies of the documents.

The link check on a copy of the repository's Markdown files with one link
pointing at a missing file and one at a missing heading; the item table's
check on copies of the disc maker's guide with a caption, a file name and a
row changed.

    docs_checks_test.py <repository-root> <docs_item_table>
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = pathlib.Path(__file__).resolve().parent
ROOT = pathlib.Path(sys.argv[1]).resolve() if len(sys.argv) > 2 else HERE.parents[1]
ITEM_TABLE = sys.argv[2] if len(sys.argv) > 2 else None
GUIDE = ROOT / "docs" / "making-a-disc.md"
LINK = re.compile(r"\]\(([^)#:\s]+)(#[^)\s]+)?\)")


def run(*args):
    return subprocess.run([str(a) for a in args], capture_output=True, text=True)


class LinkCheck(unittest.TestCase):
    def setUp(self):
        # A copy of the Markdown files; everything else of the repository
        # linked in, so that links to sources and pictures still resolve.
        self.tmp = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.tmp)
        for entry in ROOT.iterdir():
            if entry.name in ("docs", ".git"):
                continue
            if entry.suffix == ".md":
                shutil.copy(entry, self.tmp / entry.name)
            else:
                (self.tmp / entry.name).symlink_to(entry)
        (self.tmp / "docs").mkdir()
        for entry in (ROOT / "docs").iterdir():
            if entry.suffix == ".md":
                shutil.copy(entry, self.tmp / "docs" / entry.name)
            else:
                (self.tmp / "docs" / entry.name).symlink_to(entry)

    def check(self):
        return run(sys.executable, HERE / "check_links.py", self.tmp)

    def problems(self):
        """The broken links the check finds in the copy as it is now."""
        result = self.check()
        if result.returncode == 0:
            return []
        return [line for line in result.stdout.splitlines() if "broken links in" not in line]

    def assertOneMore(self, before, after, expected):
        """The broken copy gives what the intact copy gave, and one line more."""
        self.assertEqual(len(after), len(before) + 1, "\n".join(after))
        new = [line for line in after if line not in before]
        self.assertEqual(len(new), 1, "\n".join(after))
        self.assertIn(expected, new[0])
        return new[0]

    def test_a_link_to_a_missing_file_fails(self):
        readme = self.tmp / "README.md"
        text = readme.read_text(encoding="utf-8")
        m = next((m for m in LINK.finditer(text) if (self.tmp / m.group(1)).exists()), None)
        self.assertIsNotNone(m, "README.md has no relative link to a file that exists")
        broken = m.group(1) + "-gone.md"
        before = self.problems()
        readme.write_text(text[:m.start(1)] + broken + text[m.end(1):], encoding="utf-8")
        self.assertEqual(self.check().returncode, 1)
        line = self.assertOneMore(before, self.problems(), f"{broken}: no such file")
        self.assertTrue(line.startswith("README.md:"), line)

    def test_a_link_to_a_missing_heading_fails(self):
        for md in [self.tmp / "README.md", *sorted((self.tmp / "docs").glob("*.md"))]:
            text = md.read_text(encoding="utf-8")
            m = next((m for m in LINK.finditer(text) if m.group(2)), None)
            if m:
                break
        self.assertIsNotNone(m, "no link with a #heading in README.md or docs/")
        before = self.problems()
        md.write_text(text[:m.start(2)] + "#no-such-heading" + text[m.end(2):], encoding="utf-8")
        self.assertEqual(self.check().returncode, 1)
        self.assertOneMore(before, self.problems(), "no heading #no-such-heading")

    def test_a_link_out_of_the_repository_fails(self):
        readme = self.tmp / "README.md"
        before = self.problems()
        with readme.open("a", encoding="utf-8") as f:
            f.write("\nSee [the machine's notes](../outside.md).\n")
        self.assertEqual(self.check().returncode, 1)
        self.assertOneMore(before, self.problems(), "../outside.md: points outside the repository")


@unittest.skipIf(ITEM_TABLE is None, "the item table's checker was not given")
class ItemTableCheck(unittest.TestCase):
    def setUp(self):
        self.text = GUIDE.read_text(encoding="utf-8")
        self.tmp = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.tmp)

    def check(self, text):
        copy = self.tmp / "making-a-disc.md"
        copy.write_text(text, encoding="utf-8")
        return run(ITEM_TABLE, copy)

    def test_the_guide_passes(self):
        result = self.check(self.text)
        self.assertEqual(result.returncode, 0, result.stderr)

    def test_a_changed_caption_fails(self):
        old = "| Стоматология |"  # no caption of the catalogue is this
        self.assertNotIn(old, self.text)
        changed = self.text.replace("«Стоматологический» программный модуль",
                                    "«Стоматологический» модуль", 1)
        self.assertNotEqual(changed, self.text)
        result = self.check(changed)
        self.assertEqual(result.returncode, 1)
        self.assertIn("caption: the guide has «Стоматологический» модуль", result.stderr)

    def test_a_changed_file_name_fails(self):
        changed = self.text.replace("`Presentation\\play_bm.bat`", "`Presentation\\play_bn.bat`", 1)
        self.assertNotEqual(changed, self.text)
        result = self.check(changed)
        self.assertEqual(result.returncode, 1)
        self.assertIn("click: the guide has `Presentation\\play_bn.bat`", result.stderr)

    def test_a_changed_description_fails(self):
        changed = self.text.replace("`Hints\\demo_ annot_report.txt`",
                                    "`Hints\\demo_annot_report.txt`", 1)
        self.assertNotEqual(changed, self.text)
        result = self.check(changed)
        self.assertEqual(result.returncode, 1)
        self.assertIn("description: the guide has `Hints\\demo_annot_report.txt`", result.stderr)

    def test_a_missing_row_fails(self):
        lines = self.text.splitlines(keepends=True)
        row = next(i for i, line in enumerate(lines) if "`Hints\\use_ja_zory.txt`" in line)
        result = self.check("".join(lines[:row] + lines[row + 1:]))
        self.assertEqual(result.returncode, 1)
        self.assertIn("the table ends before item 5 of Применения", result.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
