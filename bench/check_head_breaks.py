#!/usr/bin/python3
"""Checks the table of heads ended early against HTML5 parsers.

Every row of tests/check/heads_ended_early.json names the title, meta
and link tags a browser keeps in the head of its page; html5lib (Debian's
python3-html5lib), parsing as a browser that runs scripts, and headless
Chromium must agree. html5lib 1.1 predates template elements and puts a
template's contents in the body: rows marked "template" are Chromium's alone.
"""
import json
import pathlib
import re
import subprocess
import sys
import tempfile

import html5lib

TABLE = pathlib.Path(__file__).resolve().parent.parent / "tests/check/heads_ended_early.json"


def label(element):
    if element.tag == "title":
        return "title"
    if element.tag == "link":
        return "link:" + element.get("rel", "")
    if element.get("charset") is not None:
        return "meta:charset"
    for key in ("name", "property", "http-equiv"):
        if element.get(key) is not None:
            return "meta:" + element.get(key)
    return "meta"


def head_tags(page):
    parser = html5lib.HTMLParser(namespaceHTMLElements=False)
    document = parser.parse(page, scripting=True)
    head = document.find("head")
    return [label(e) for e in head if e.tag in ("title", "meta", "link")]


def chromium_head_tags(page):
    with tempfile.NamedTemporaryFile("w", suffix=".html", encoding="utf-8") as file:
        file.write(page)
        file.flush()
        dom = subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu",
                              "--dump-dom", "file://" + file.name],
                             capture_output=True, text=True, timeout=60).stdout
    # The serialised head, read without html5lib, which would move a
    # template's contents again.
    head = dom[dom.index("<head>") + 6:dom.index("</head>")]
    head = re.sub(r"<template>.*?</template>", "", head, flags=re.S)
    head = re.sub(r"<(script|style|noscript)\b.*?</\1>", "", head, flags=re.S)
    return head_tags("<head>" + head + "</head>")


def main():
    wrong = 0
    rows = json.loads(TABLE.read_text(encoding="utf-8"))
    for row in rows:
        parsers = {"Chromium": chromium_head_tags(row["page"])}
        if "template" not in row["name"]:
            parsers["html5lib"] = head_tags(row["page"])
        for parser, found in parsers.items():
            if found != row["head"]:
                wrong += 1
                print(f"{row['name']}: the table says {row['head']}, {parser} {found}")
    print(f"{len(rows)} rows, {wrong} disagreements with html5lib and Chromium")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
