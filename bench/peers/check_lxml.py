#!/usr/bin/python3
"""The rules of velko --check written with lxml (Debian's python3-lxml), for
side-by-side timing: for each page, a line per finding, PAGE:LINE: SEVERITY:
MESSAGE [RULE]. lxml knows the line of an element but not its column, and it
reads the head as its parser builds it, so the findings differ from velko's
in places; the work done is the same.

Usage: check_lxml.py PAGE..."""

import codecs
import email.utils
import os
import re
import sys

import lxml.html

ADVANCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "text",
                        "LiberationSansAdvances.h")
HEAD_TAG = re.compile(rb"<head[\s/>]", re.I)
COMMENT = re.compile(rb"<!--.*?-->", re.S)
CHARSET = re.compile(r"""charset\s*=\s*["']?\s*([-\w.:]+)""", re.I)
W3C_DATE = re.compile(r"^(\d{4})(?:-(\d{2})(?:-(\d{2})(?:T(\d{2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?"
                      r"(?:Z|[+-](\d{2}):(\d{2})))?)?)?$")
ROBOTS = {"all", "none", "index", "noindex", "follow", "nofollow", "noarchive", "nosnippet",
          "noimageindex", "notranslate", "indexifembedded"}
REPEATABLE = ("og:locale:alternate", "article:tag")
OPEN_GRAPH = ("og:title", "og:type", "og:image", "og:url")
# The tag table's keys: the tags after the head that velko reports.
TABLE_NAMES = {"keywords", "description", "author", "copyright", "revisit-after", "distribution",
               "robots", "rating", "content-language", "dc.title", "dc.description", "dc.subject",
               "dc.creator", "dc.publisher", "dc.contributors", "dc.date", "dc.type", "dc.format",
               "dc.identifier", "dc.source", "dc.language", "dc.relation", "dc.coverage",
               "dc.rights", "generator", "abstract"}
TABLE_HTTP_EQUIV = {"refresh", "expires", "content-type", "content-language", "pragma",
                    "window-target"}


def load_advances():
    """The advance of each character in Liberation Sans, from velko's table."""
    text = open(ADVANCES).read()
    runs = [(int(a, 16), int(b, 16), int(c)) for a, b, c in
            re.findall(r"\{0x([0-9A-F]+), 0x([0-9A-F]+), (\d+)\}", text)]
    values = [int(v) for v in re.findall(r"\d+", text.split("advances = {", 1)[1].split("};")[0])]
    table = {}
    for first, last, offset in runs:
        for c in range(first, last + 1):
            table[chr(c)] = values[offset + c - first]
    average = int(re.search(r"averageAdvance = (\d+)", text).group(1))
    return table, average


ADVANCE, AVERAGE = load_advances()


def width(text, size):
    return sum(ADVANCE.get(c, AVERAGE) for c in text) * size / 2048


def shown(text):
    return " ".join((text or "").split())


def browser_encoding(data):
    if data.startswith(b"\xef\xbb\xbf"):
        return "utf-8"
    found = re.search(rb"""<meta[^>]+charset\s*=\s*["']?\s*([-\w.:]+)""", data[:4096], re.I)
    if found:
        try:
            return codecs.lookup(found.group(1).decode("ascii")).name
        except LookupError:
            pass
    try:
        data.decode("utf-8")
        return "utf-8"
    except UnicodeDecodeError:
        return "cp1252"


def is_absolute(address):
    address = address.lower()
    return (address.startswith("http://") and len(address) > 7) or (
        address.startswith("https://") and len(address) > 8)


def is_w3c_date(text):
    import datetime

    match = W3C_DATE.match(text)
    if not match:
        return False
    year, month, day, hour, minute, second, zone_hour, zone_minute = match.groups()
    try:
        if month:
            datetime.date(int(year), int(month), int(day or 1))
    except ValueError:
        return False
    if hour is None:
        return True
    return (int(hour) <= 23 and int(minute) <= 59 and int(second or 0) <= 60
            and int(zone_hour or 0) <= 23 and int(zone_minute or 0) <= 59)


def is_robots_token(token):
    key, colon, value = token.partition(":")
    key, value = key.strip().lower(), value.strip().lower()
    if not colon:
        return key in ROBOTS
    if key in ("max-snippet", "max-video-preview"):
        return value == "-1" or value.isdigit()
    if key == "max-image-preview":
        return value in ("none", "standard", "large")
    return key == "unavailable_after" and bool(value)


def refresh_address(content):
    match = re.match(r"\s*[\d.]+\s*[;,]?\s*(?:url\s*=\s*)?(.*)$", content, re.I | re.S)
    return match.group(1).strip().strip("'\"") if match else ""


def check(page, data):
    found = []

    def add(element, severity, rule, message):
        line = element.sourceline if element is not None and element.sourceline else 1
        found.append((line, severity, rule, message))

    if not HEAD_TAG.search(COMMENT.sub(b"", data)):
        add(None, "error", "head-missing", "The page has no head tag.")
        return found
    encoding = browser_encoding(data)
    root = lxml.html.document_fromstring(
        data, parser=lxml.html.HTMLParser(encoding=encoding)) if data.strip() else None
    head = root.find("head") if root is not None else None
    if head is None:
        return found
    titles = head.findall("title")
    if not titles:
        add(head, "error", "title-missing", "The head has no title.")
    for extra in titles[1:]:
        add(extra, "error", "title-duplicate", "The head has more than one title.")
    if titles:
        text = shown(titles[0].text_content())
        if not text:
            add(titles[0], "error", "title-empty", "The title is empty.")
        elif width(text, 20) > 600:
            add(titles[0], "warning", "title-too-long", "The title is too wide.")

    keys, open_graph, declarations = set(), [], []
    description = viewport = None
    for meta in head.iter("meta"):
        charset = meta.get("charset")
        if charset is None and (meta.get("http-equiv") or "").strip().lower() == "content-type":
            match = CHARSET.search(meta.get("content") or "")
            charset = match.group(1) if match else None
        if charset:
            declarations.append((meta, charset.strip()))
        content = shown(meta.get("content"))
        attributes = [(a, shown(meta.get(a)).lower()) for a in ("name", "http-equiv", "property")
                      if shown(meta.get(a))]
        if not attributes:
            continue
        for attribute, value in attributes:
            repeatable = value == "og:image" or value.startswith("og:image:") or value in REPEATABLE
            if (attribute, value) in keys and not repeatable:
                add(meta, "error", "meta-duplicate", "A second meta tag with %s." % value)
            keys.add((attribute, value))
        if not content:
            add(meta, "warning", "content-empty", "The meta tag has empty content.")
        for attribute, value in attributes:
            if value.startswith("og:"):
                open_graph.append((meta, value))
                if value == "og:image" and content and not is_absolute(content):
                    add(meta, "warning", "og-image-relative", "og:image is not absolute.")
            if attribute == "name" and value == "description" and description is None:
                description = (meta, content)
            elif attribute == "name" and value == "viewport":
                viewport = meta
            elif attribute == "name" and value == "robots":
                tokens = [t.strip() for t in content.split(",") if t.strip()]
                for token in tokens:
                    if not is_robots_token(token):
                        add(meta, "warning", "robots-unknown", "Unknown robots token.")
                if any(t.lower() in ("noindex", "none") for t in tokens):
                    add(meta, "note", "robots-noindex", "robots keeps the page out.")
            elif attribute == "name" and value == "dc.date" and content and not is_w3c_date(content):
                add(meta, "warning", "dc-date-format", "DC.Date is not a W3C date.")
            elif attribute == "http-equiv" and value == "refresh" and refresh_address(content):
                add(meta, "warning", "refresh-redirect", "The refresh tag redirects.")
            elif (attribute == "http-equiv" and value == "expires" and content and content != "0"
                  and email.utils.parsedate_to_datetime(content) is None):
                add(meta, "warning", "expires-format", "expires is no HTTP date.")
    if description is None:
        add(head, "warning", "description-missing", "The head has no description.")
    elif description[1]:
        if width(description[1], 14) > 920:
            add(description[0], "warning", "description-too-long", "The description is too wide.")
        if len(description[1]) < 50:
            add(description[0], "note", "description-too-short", "The description is short.")
    if viewport is None:
        add(head, "warning", "viewport-missing", "The head has no viewport meta tag.")
    present = {value for _, value in open_graph}
    if open_graph and not all(name in present for name in OPEN_GRAPH):
        add(open_graph[0][0], "warning", "og-incomplete", "The Open Graph tags are incomplete.")

    canonicals = [link for link in head.iter("link")
                  if "canonical" in (link.get("rel") or "").lower().split()]
    for link in canonicals[1:]:
        add(link, "error", "canonical-duplicate", "A second canonical link.")
    for link in canonicals:
        if not is_absolute((link.get("href") or "").strip()):
            add(link, "warning", "canonical-relative", "The canonical address is not absolute.")

    if not declarations:
        add(head, "warning", "charset-missing", "The page does not declare its charset.")
    else:
        first = declarations[0][1]
        lines_in_window = data.count(b"\n", 0, 1024) + 1
        for meta, charset in declarations:
            if meta.sourceline and meta.sourceline > lines_in_window:
                add(meta, "error", "charset-late", "The charset declaration is late.")
            if charset.lower() != first.lower():
                add(meta, "error", "charset-conflict", "Two charsets.")
        try:
            data.decode(first)
        except (UnicodeDecodeError, LookupError):
            add(declarations[0][0], "error", "charset-mismatch", "The bytes do not fit.")

    body = root.find("body")
    if body is not None:
        for element in body.iter("meta", "title", "link"):
            name = (element.get("name") or "").strip().lower()
            equiv = (element.get("http-equiv") or "").strip().lower()
            made = element.tag == "link" and (element.get("rev") or "").strip().lower() == "made"
            if (element.tag == "title" or name in TABLE_NAMES or equiv in TABLE_HTTP_EQUIV
                    or made):
                add(element, "warning", "tag-after-head", "A tag after the head.")
    return found


def main():
    out = sys.stdout
    for page in sys.argv[1:]:
        with open(page, "rb") as f:
            data = f.read()
        for line, severity, rule, message in check(page, data):
            out.write("%s:%d: %s: %s [%s]\n" % (page, line, severity, message, rule))


if __name__ == "__main__":
    main()
