#!/usr/bin/env python3
"""Writes the preview's page: the pictures the program was driven to (the
list drive_program.py writes) beside the disc check's findings (its JSON
report), each finding on the item or row it concerns, errors first. One
HTML file with relative links to the pictures, no scripts, laid out to fit
the browser window's width.

  write_page.py <check.json> <shots.json> <version> <which exe> <index.html>
"""

import html
import json
import sys

# The pages in tab order, their captions as the program shows them.

def pages_of(report):
    """The program's pages in tab order, as the check found them: the
    built-in five, or those of the disc's own DemoDisc.ini."""
    return [(s["page"], s["title"]) for s in report.get("sections", []) if s["page"] != "Disc"]

ORDER = {"error": 0, "warning": 1, "ok": 2}

STYLE = """
body { font: 15px/1.4 sans-serif; margin: 0 auto; padding: 0 12px 40px; max-width: 1260px;
       color: #222; background: #fff; }
img { max-width: 100%; height: auto; border: 1px solid #bbb; }
h1 { font-size: 1.5em; } h2 { margin-top: 2em; border-bottom: 2px solid #888; }
code { overflow-wrap: anywhere; }
.entry { display: flex; flex-wrap: wrap; gap: 6px 18px; padding: 10px 0;
         border-top: 1px solid #ddd; }
.entry > .shot { flex: 0 1 auto; min-width: 0; }
/* The picture left of its text where both fit side by side; below its
   title where the window is narrow. */
@media (min-width: 900px) { .entry > .shot { order: -1; } }
.entry > .about { flex: 1 1 300px; min-width: 0; overflow-wrap: anywhere; }
.subject { font-weight: bold; }
ul.findings { margin: 4px 0; padding-left: 20px; }
.error { color: #b00000; } .warning { color: #8a5a00; } .ok { color: #336633; }
.accepted { color: #777; }
.status { font-weight: bold; text-transform: uppercase; font-size: 0.85em; }
.box { background: #fff3f3; border-left: 4px solid #b00000; padding: 2px 8px; }
nav a { margin-right: 1em; white-space: nowrap; }
"""


def esc(text):
    return html.escape(str(text), quote=True)


def img(picture, alt):
    return f'<img src="pictures/{esc(picture)}" alt="{esc(alt)}">'


def sorted_findings(findings):
    """Errors first, then warnings not accepted, accepted ones, notes; each
    kind in the check's order."""
    return sorted(findings, key=lambda f: (ORDER.get(f["severity"], 3), f.get("accepted", False)))


def finding_items(findings):
    out = []
    for f in sorted_findings(findings):
        severity = f["severity"]
        accepted = severity == "warning" and f.get("accepted")
        label = {"error": "error", "warning": "warning", "ok": "note"}.get(severity, severity)
        if accepted:
            label = "accepted warning"
        path = f"<code>{esc(f['path'])}</code> " if f.get("path") else ""
        css = "accepted" if accepted else esc(severity)
        out.append(f'<li class="{css}" data-kind="{esc(f["kind"])}">'
                   f'<span class="status">{esc(label)}</span> {path}{esc(f["message"])}</li>')
    return f'<ul class="findings">{"".join(out)}</ul>' if out else ""


def boxes_text(boxes):
    return "".join(f'<p class="box">The program shows a message box'
                   f' “{esc(b["caption"])}”: <b>{esc(b["text"])}</b></p>' for b in boxes)


def entry(anchor, subject, shot, findings, alt, note=""):
    picture = img(shot["picture"], alt) if shot else ""
    boxes = boxes_text(shot["boxes"]) if shot else ""
    worst = min((ORDER.get(f["severity"], 3) for f in findings
                 if not (f["severity"] == "warning" and f.get("accepted"))), default=2)
    status = ["error", "warning", "ok"][worst]
    return (f'<div class="entry" id="{esc(anchor)}">'
            f'<div class="about"><div class="subject {status}">{esc(subject)}</div>{note}{boxes}'
            f'{finding_items(findings)}</div>'
            f'<div class="shot">{picture}</div></div>')


def line_anchor(page, line):
    return f"{page}-{line['item'] or line['subject']}".replace(" ", "-")


def summary(report):
    """Links to every line with an error or a warning not accepted, errors first."""
    marked = []
    for section in report.get("sections", []):
        for line in section["lines"]:
            for f in line["findings"]:
                if f["severity"] == "error" or (f["severity"] == "warning" and not f.get("accepted")):
                    marked.append((ORDER[f["severity"]], section, line, f))
    if not marked:
        return "<p>The disc check found no error and no warning that is not accepted.</p>"
    rows = "".join(
        f'<li class="{esc(f["severity"])}"><a href="#{esc(line_anchor(s["page"], line))}">'
        f'{esc(s["title"])}: {esc(line["subject"])}</a>: {esc(f["message"])}</li>'
        for _, s, line, f in sorted(marked, key=lambda m: m[0]))
    return f'<ul class="findings">{rows}</ul>'


def page_section(page, caption, section, shots):
    out = [f'<section id="page-{esc(page)}"><h2>{esc(caption)}</h2>']
    shot = shots["pages"].get(page)
    if shot:
        out.append(entry(f"page-{page}-window", f"The page «{caption}» as it opens", shot, [],
                         f"The page {caption}"))
    lines = section["lines"] if section else []
    items = shots["items"].get(page, [])
    rows = shots["rows"] if page == "Artikel" else []
    for index, line in enumerate(lines):
        item = line["item"]
        shot, note = None, ""
        if item.startswith("row "):
            row = int(item[4:]) - 1
            shot = rows[row] if 0 <= row < len(rows) else None
            note = "<div>The entry under the grid with this row selected:</div>" if shot else ""
        elif page != "Artikel":
            shot = items[index] if index < len(items) else None
            if shot:
                note = ("<div>With the pointer on the item the program shows:</div>"
                        if shot["boxes"] else
                        "<div>Its description in the memo, the pointer on the item:</div>")
        out.append(entry(line_anchor(page, line), line["subject"], shot, line["findings"],
                         line["subject"], note))
    out.append("</section>")
    return "".join(out)


def write(report, shots, version, exe):
    counts = (f'{report.get("errors", 0)} errors, {report.get("warnings", 0)} warnings'
              f' ({report.get("accepted", 0)} accepted warnings not counted)')
    by_key = {s["page"]: s for s in report.get("sections", [])}
    nav = "".join(f'<a href="#page-{esc(p)}">{esc(c)}</a>' for p, c in pages_of(report))
    parts = [
        '<!DOCTYPE html>\n<html lang="ru"><head><meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        f'<title>DemoDisc preview: {esc(report.get("disc", ""))}</title>',
        f"<style>{STYLE}</style></head><body>",
        f'<h1>What a visitor sees on the disc <code>{esc(report.get("disc", ""))}</code></h1>',
        f'<p>Shown by DemoDisc <span id="version">{esc(version)}</span>, {esc(exe)}.'
        f" Disc check: {esc(counts)}.</p>",
        f"<nav>{nav}<a href=\"#page-Disc\">The disc</a></nav>",
        "<h2>The check's findings</h2>", summary(report)]
    if shots["start"]:
        parts.append('<section id="start"><h2>At the start</h2>')
        parts.extend(entry(f"start-{n}", "When the program starts", {"picture": b["picture"],
                                                                      "boxes": [b]}, [],
                           "A message box at the start")
                     for n, b in enumerate(shots["start"], 1))
        parts.append("</section>")
    for page, caption in pages_of(report):
        parts.append(page_section(page, caption, by_key.get(page), shots))
    disc = by_key.get("Disc")
    parts.append('<section id="page-Disc"><h2>The disc as a whole</h2>')
    for line in disc["lines"] if disc else []:
        parts.append(entry(line_anchor("Disc", line), line["subject"], None, line["findings"], ""))
    parts.append("</section></body></html>\n")
    return "".join(parts)


def main():
    check, shots_file, version, exe, out = sys.argv[1:6]
    with open(check, encoding="utf-8") as f:
        report = json.load(f)
    with open(shots_file, encoding="utf-8") as f:
        shots = json.load(f)
    # Letters a file name cannot hold in UTF-8 (a name of another code page)
    # are shown as replacement characters.
    text = write(report, shots, version, exe).encode("utf-8", "replace")
    with open(out, "wb") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
