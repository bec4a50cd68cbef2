#!/usr/bin/python3
"""Turns a Markdown page of the docs into an HTML page that opens offline in
any browser: UTF-8, no scripts, headings with the anchors GitHub gives them.
Links to the pages shipped beside it lead to their HTML pages; a link to a
page that is not shipped keeps its words and loses its link.
  markdown_page.py <page.md> <out.html> [<shipped page.md>...]
Runs with Debian's python3-markdown (tools/install-deps.sh installs it).
"""
import html
import os
import re
import sys

import markdown

STYLE = """body { font-family: Segoe UI, Arial, sans-serif; max-width: 52em; margin: 2em auto;
  padding: 0 1em; line-height: 1.45; color: #222; }
code, pre { font-family: Consolas, monospace; background: #f3f3f3; }
pre { padding: .6em; overflow-x: auto; }
table { border-collapse: collapse; } th, td { border: 1px solid #bbb; padding: .2em .5em; }
th { background: #eee; text-align: left; }"""


def slug(text, separator):
    """GitHub's anchor of a heading: lower case, punctuation dropped, blanks as dashes."""
    text = re.sub(r"[^\w\- ]", "", text.strip().lower())
    return text.replace(" ", separator)


def relink(source, shipped):
    """Markdown links to shipped .md pages point at their .html pages; links
    to other repository files become plain text."""
    def replace(match):
        words, target = match.group(1), match.group(2)
        if re.match(r"[a-z]+:|#", target):
            return match.group(0)
        page, _, anchor = target.partition("#")
        if page in shipped:
            return f"[{words}]({page[:-3]}.html{'#' + anchor if anchor else ''})"
        return words
    return re.sub(r"(?<!!)\[([^\]]+)\]\(([^)\s]+)\)", replace, source)


def main(args):
    if len(args) < 2:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    page, out, shipped = args[0], args[1], {os.path.basename(p) for p in args[2:]}
    with open(page, encoding="utf-8") as f:
        source = f.read()
    title = next((line[2:].strip() for line in source.splitlines() if line.startswith("# ")),
                 os.path.basename(page))
    body = markdown.markdown(relink(source, shipped),
                             extensions=["tables", "fenced_code", "toc"],
                             extension_configs={"toc": {"slugify": slug}})
    with open(out, "w", encoding="utf-8") as f:
        f.write(f'<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
                f"<title>{html.escape(title)}</title>\n<style>\n{STYLE}\n</style>\n</head>\n"
                f"<body>\n{body}\n</body>\n</html>\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
