#!/usr/bin/python3
"""The extraction velko --read does, written with Python's html.parser or lxml,
for side-by-side timing: for each page, the title, the meta tags' content by
name or http-equiv, the made link and the last comment, as one JSON line.

Usage: read_meta.py html.parser|lxml PAGE..."""

import json
import sys


def read_with_html_parser(text):
    from html.parser import HTMLParser

    class Reader(HTMLParser):
        def __init__(self):
            super().__init__(convert_charrefs=True)
            self.form, self.in_title, self.title = {}, False, []

        def handle_starttag(self, tag, attrs):
            attrs = dict(attrs)
            if tag == "title":
                self.in_title = True
            elif tag == "meta":
                key = attrs.get("name") or attrs.get("http-equiv")
                if key and "content" in attrs:
                    self.form[key.lower()] = attrs["content"]
            elif tag == "link" and (attrs.get("rev") or "").lower() == "made":
                self.form["made"] = attrs.get("href", "")

        def handle_endtag(self, tag):
            if tag == "title":
                self.in_title = False
                self.form["title"] = "".join(self.title).strip()

        def handle_data(self, data):
            if self.in_title:
                self.title.append(data)

        def handle_comment(self, data):
            self.form["comment"] = data.strip()

    reader = Reader()
    reader.feed(text)
    reader.close()
    return reader.form


def read_with_lxml(data):
    from lxml import etree, html

    form = {}
    root = html.fromstring(data) if data.strip() else None
    if root is None:
        return form
    for title in root.iter("title"):
        form["title"] = (title.text or "").strip()
    for meta in root.iter("meta"):
        key = meta.get("name") or meta.get("http-equiv")
        if key and meta.get("content") is not None:
            form[key.lower()] = meta.get("content")
    for link in root.iter("link"):
        if (link.get("rev") or "").lower() == "made":
            form["made"] = link.get("href", "")
    for comment in root.iter(etree.Comment):
        form["comment"] = (comment.text or "").strip()
    return form


def main():
    parser, pages = sys.argv[1], sys.argv[2:]
    out = sys.stdout
    for page in pages:
        with open(page, "rb") as f:
            data = f.read()
        try:
            text, encoding = data.decode("utf-8"), "UTF-8"
        except UnicodeDecodeError:
            text, encoding = data.decode("cp1252", errors="replace"), "windows-1252"
        form = read_with_html_parser(text) if parser == "html.parser" else read_with_lxml(data)
        out.write(json.dumps({"file": page, "encoding": encoding, "form": form}) + "\n")


if __name__ == "__main__":
    main()
