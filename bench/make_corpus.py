#!/usr/bin/python3
"""Writes the benchmark corpus into FOLDER, the same bytes on every run:
page20k.html, page1m.html, page10m.html, page100m.html (pages of those sizes,
one tag per line), minified10m.html (a 10 MB page on one line),
unclosed10m.html (a 10 MB page with a comment opened at the top and never
closed) and site/ (2,000 pages of 20 KB).

Usage: make_corpus.py FOLDER [site]; with "site", only site/."""

import os
import sys

HEAD = """<html>
<head>
<title>Benchmark page {n}</title>
<meta name="keywords" content="velko, benchmark, page {n}">
<meta name="description" content="A page of the benchmark corpus, number {n}.">
<meta name="author" content="Dana Whitlock">
<meta name="robots" content="noindex">
<meta http-equiv="content-type" content="text/html; charset=iso-8859-1">
<meta http-equiv="refresh" content="60; url=http://www.harbordale.example/">
<link rev="made" href="webmaster@harbordale.example">
<!--Above meta tags inserted by Velko-->
</head>
<body>
"""
LINE = '<p class="text">Paragraph {i} with <a href="page{i}.html">a link</a> and <b>bold</b> words.</p>\n'
MB = 1024 * 1024


def page(n, size, head=HEAD):
    parts = [head.format(n=n)]
    length, i = len(parts[0]), 0
    while length < size:
        line = LINE.format(i=i)
        parts.append(line)
        length += len(line)
        i += 1
    parts.append("</body>\n</html>\n")
    return "".join(parts).encode("ascii")


def write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    folder = sys.argv[1]
    os.makedirs(os.path.join(folder, "site"), exist_ok=True)
    for n in range(2000):
        write(folder, os.path.join("site", f"page{n:04}.html"), page(n, 20 * 1024))
    if sys.argv[2:] == ["site"]:
        return
    for name, size in (("page20k", 20 * 1024), ("page1m", MB), ("page10m", 10 * MB),
                       ("page100m", 100 * MB)):
        write(folder, name + ".html", page(0, size))
    write(folder, "minified10m.html", page(0, 10 * MB).replace(b"\n", b""))
    write(folder, "unclosed10m.html", page(0, 10 * MB, head="<!-- not closed\n" + HEAD))


if __name__ == "__main__":
    main()
