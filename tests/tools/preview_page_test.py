"""The preview's page (tools/preview/write_page.py): each finding on its
item's or row's entry beside that entry's picture, errors first, the disc's
texts escaped, and the summary's links leading to entries of the page."""

import os
import re
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                                "preview"))
import write_page  # noqa: E402


def finding(severity, message, kind="k", accepted=False, path="Hints\\a.txt"):
    return {"kind": kind, "severity": severity, "accepted": accepted, "path": path,
            "message": message}


REPORT = {
    "disc": "D:/<disc> & co", "errors": 2, "warnings": 1, "accepted": 1,
    "sections": [
        {"page": "Present", "title": "Презентации", "lines": [
            {"item": "Act_About", "subject": "Основные \"Вортан\" <b>", "findings": [
                finding("ok", "a note"),
                finding("warning", "accepted one", accepted=True),
                finding("warning", "takes 21 lines"),
                finding("error", "is missing", kind="missing")]},
            {"item": "Act_BaseMod", "subject": "Базовые", "findings": []}]},
        {"page": "Artikel", "title": "Публикации", "lines": [
            {"item": "list", "subject": "Publication\\vortan_lit.txt",
             "findings": [finding("ok", "has 2 rows")]},
            {"item": "row 1", "subject": "row 1: a", "findings": []},
            {"item": "row 2", "subject": "row 2: b", "findings": [
                finding("error", "the document is missing", path="Publication\\b.pdf")]}]},
        {"page": "Disc", "title": "Disc", "lines": [
            {"item": "image", "subject": "image", "findings": [finding("ok", "fits a CD")]}]}]}

SHOTS = {
    "start": [],
    "pages": {p: {"picture": f"page-{p}.png", "boxes": []}
              for p in ("Present", "Artikel", "Demo", "Video", "Gebit_Benutzt")},
    "items": {"Present": [
        {"picture": "item-Present-1.png",
         "boxes": [{"picture": "item-Present-1.png", "caption": "Demodisc",
                    "text": "File not found."}]},
        {"picture": "item-Present-2.png", "boxes": []}]},
    "rows": [{"picture": "row-1.png", "boxes": []}, {"picture": "row-2.png", "boxes": []}],
}


def entries(page):
    """The text of each entry by its id."""
    found = {}
    for part in re.split(r'(?=<div class="entry" )|</section>', page):
        match = re.match(r'<div class="entry" id="([^"]+)">', part)
        if match:
            found[match.group(1)] = part
    return found


class PageTest(unittest.TestCase):
    def setUp(self):
        self.page = write_page.write(REPORT, SHOTS, "1.2.3", "the PE32 <x>")
        self.entries = entries(self.page)

    def test_a_finding_is_on_its_items_entry_beside_its_picture(self):
        about = self.entries["Present-Act_About"]
        self.assertIn('src="pictures/item-Present-1.png"', about)
        self.assertIn("is missing", about)
        self.assertIn("File not found.", about)
        self.assertNotIn("is missing", self.entries["Present-Act_BaseMod"])
        row = self.entries["Artikel-row-2"]
        self.assertIn('src="pictures/row-2.png"', row)
        self.assertIn("the document is missing", row)
        self.assertNotIn("missing", self.entries["Artikel-row-1"])

    def test_errors_come_first_then_warnings_accepted_ones_and_notes(self):
        about = self.entries["Present-Act_About"]
        order = [about.index(text) for text in
                 ("is missing", "takes 21 lines", "accepted one", "a note")]
        self.assertEqual(order, sorted(order))
        self.assertIn('class="accepted"', about)
        self.assertIn('class="subject error"', about)

    def test_the_disc_texts_and_names_are_escaped(self):
        self.assertIn("Основные &quot;Вортан&quot; &lt;b&gt;", self.page)
        self.assertIn("D:/&lt;disc&gt; &amp; co", self.page)
        self.assertIn("the PE32 &lt;x&gt;", self.page)
        self.assertNotIn("<b>\"", self.page)

    def test_the_summary_links_errors_first_to_entries_of_the_page(self):
        summary = self.page[self.page.index("The check's findings"):self.page.index('id="page-Present"')]
        links = re.findall(r'href="#([^"]+)"', summary)
        self.assertEqual(links, ["Present-Act_About", "Artikel-row-2", "Present-Act_About"])
        for link in links:
            self.assertIn(f'id="{link}"', self.page)

    def test_pictures_are_relative_and_the_version_is_named(self):
        for src in re.findall(r'src="([^"]+)"', self.page):
            self.assertTrue(src.startswith("pictures/") and ".." not in src, src)
        self.assertIn('<span id="version">1.2.3</span>', self.page)
        self.assertNotIn("<script", self.page)

    def test_the_pages_are_the_reports_the_disc_own_or_none(self):
        # The report's two pages, in its order, each with its picture.
        self.assertEqual(re.findall(r'<nav>(.*?)</nav>', self.page)[0].count("<a "), 3)
        self.assertLess(self.page.index('id="page-Present"'), self.page.index('id="page-Artikel"'))
        self.assertNotIn('id="page-Demo"', self.page)
        # A folder that is no disc has no pages to show.
        page = write_page.write({"disc": "x", "sections": []}, SHOTS, "1", "exe")
        self.assertIn("no error", page)
        self.assertEqual(len(re.findall(r"<img ", page)), 0)


if __name__ == "__main__":
    unittest.main()
