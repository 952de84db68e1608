#!/usr/bin/python3
"""Writes the benchmark corpus into FOLDER, the same bytes on every run:
page10.html (10 MB), site/ (2,000 pages of 20 KB).

Usage: make_corpus.py FOLDER"""

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


def page(n, size):
    parts = [HEAD.format(n=n)]
    length, i = len(parts[0]), 0
    while length < size:
        line = LINE.format(i=i)
        parts.append(line)
        length += len(line)
        i += 1
    parts.append("</body>\n</html>\n")
    return "".join(parts).encode("ascii")


def main():
    folder = sys.argv[1]
    os.makedirs(os.path.join(folder, "site"), exist_ok=True)
    with open(os.path.join(folder, "page10.html"), "wb") as f:
        f.write(page(0, 10 * 1024 * 1024))
    for n in range(2000):
        with open(os.path.join(folder, "site", f"page{n:04}.html"), "wb") as f:
            f.write(page(n, 20 * 1024))


if __name__ == "__main__":
    main()
