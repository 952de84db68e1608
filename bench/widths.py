#!/usr/bin/python3
"""Compares Velko's widths of titles and descriptions with Chromium's layout.

Takes every title and description of the pages in FOLDER as `velko --read`
reads them (Title and og:title, Description and og:description), has
bench_widths measure each as Velko's counters and --check do (references
decoded, white space collapsed, then the width at 20 px for titles and 14 px
for descriptions), and lays out the same text in headless Chromium: each
title parsed in a <title>, each description in a content attribute (written
as Velko's tag block writes it, '"' as &quot;), shown in a span of Arial at
that size without line breaks, and measured with getBoundingClientRect().
Prints the share of texts whose widths are within 1 px, and --verbose the
texts that are not.

Needs Debian's chromium and the fonts the widths come from:
    apt-get install chromium fonts-liberation2 fonts-dejavu-core fonts-noto-cjk
Chromium runs headless, without a sandbox (for root), without network access
to anything (a fresh profile, background networking, component updates and
sync off), on a page loaded from a file.

Usage: widths.py FOLDER [--build DIR] [--verbose]"""

import argparse
import html
import json
import os
import shutil
import subprocess
import sys
import tempfile

TOLERANCE = 1.0  # px
SIZES = {True: 20, False: 14}  # px, for titles and descriptions
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-sync", "--no-first-run", "--disable-extensions",
                  "--disable-default-apps", "--proxy-server=127.0.0.1:9",
                  "--dump-dom"]

PAGE = """<!doctype html>
<html><head><meta charset="utf-8">
<style>span { font-family: Arial; white-space: nowrap; }</style></head>
<body><pre id="out"></pre><script>
const texts = %s;
const parser = new DOMParser();
const widths = texts.map(([text, title]) => {
    const source = title ? "<title>" + text + "</title>"
                         : '<meta content="' + text.replaceAll('"', "&quot;") + '">';
    const head = parser.parseFromString(source, "text/html").head;
    const shown = title ? head.querySelector("title").textContent
                        : head.querySelector("meta").getAttribute("content");
    const span = document.createElement("span");
    span.style.fontSize = (title ? %d : %d) + "px";
    span.textContent = shown;
    document.body.appendChild(span);
    const width = span.getBoundingClientRect().width;
    span.remove();
    return width;
});
document.getElementById("out").textContent = JSON.stringify(widths);
</script></body></html>
"""


def page_texts(velko, folder):
    """[(text, is title)] of every page, each distinct text of a kind once."""
    pages = sorted(os.path.join(root, name) for root, _, names in os.walk(folder)
                   for name in names if name.endswith((".html", ".htm")))
    read = subprocess.run([velko, "--read", "--files-from", "-"], input="\n".join(pages),
                          capture_output=True, text=True, check=False)
    texts = {}
    for line in read.stdout.splitlines():
        form = json.loads(line)["form"]
        for field, title in (("Title", True), ("og:title", True),
                             ("Description", False), ("og:description", False)):
            if form.get(field, "").strip():
                texts[(form[field], title)] = True
    return list(texts), len(pages)


def velko_widths(program, texts):
    lines = "".join(json.dumps({"text": text, "title": title}) + "\n" for text, title in texts)
    run = subprocess.run([program], input=lines, capture_output=True, text=True, check=True)
    return [json.loads(line) for line in run.stdout.splitlines()]


def chromium_widths(texts):
    chromium = shutil.which("chromium")
    if not chromium:
        sys.exit("widths.py needs Debian's chromium: apt-get install chromium")
    with tempfile.TemporaryDirectory() as work:
        page = os.path.join(work, "widths.html")
        data = json.dumps([[text, title] for text, title in texts]).replace("</", "<\\/")
        with open(page, "w", encoding="utf-8") as out:
            out.write(PAGE % (data, SIZES[True], SIZES[False]))
        run = subprocess.run([chromium, *CHROMIUM_FLAGS, "--user-data-dir=" + work + "/profile",
                              "file://" + page], capture_output=True, text=True, timeout=300,
                             check=False)
    start = run.stdout.find('<pre id="out">')
    end = run.stdout.find("</pre>", start)
    if start < 0 or end < 0:
        sys.exit("Chromium gave no widths:\n" + run.stderr[-2000:])
    return json.loads(html.unescape(run.stdout[start + len('<pre id="out">'):end]))


def main():
    arguments = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    arguments.add_argument("folder")
    arguments.add_argument("--build", default="build")
    arguments.add_argument("--verbose", action="store_true")
    options = arguments.parse_args()
    velko = os.path.join(options.build, "src", "velko")
    texts, pages = page_texts(velko, options.folder)
    velko_results = velko_widths(os.path.join(options.build, "bench", "bench_widths"), texts)
    chromium_results = chromium_widths(texts)
    print("%d pages: %d titles, %d descriptions\n"
          % (pages, sum(title for _, title in texts), sum(not title for _, title in texts)))
    print("| texts | measured | within %g px | mean difference (px) | largest (px) |"
          % TOLERANCE)
    print("|---|---:|---:|---:|---:|")
    misses = []
    for title in (True, False):
        rows = [(text, ours, theirs) for (text, is_title), ours, theirs
                in zip(texts, velko_results, chromium_results) if is_title == title]
        differences = [ours["width"] - theirs for _, ours, theirs in rows]
        within = sum(abs(d) <= TOLERANCE for d in differences)
        print("| %s at %d px | %d | %d (%.1f%%) | %+.2f | %.1f |"
              % ("titles" if title else "descriptions", SIZES[title], len(rows), within,
                 100.0 * within / max(1, len(rows)), sum(differences) / max(1, len(rows)),
                 max((abs(d) for d in differences), default=0)))
        misses += [(ours["width"] - theirs, ours["shown"]) for _, ours, theirs in rows
                   if abs(ours["width"] - theirs) > TOLERANCE]
    if options.verbose:
        for difference, shown in sorted(misses, key=lambda miss: -abs(miss[0])):
            print("%+8.2f px  %s" % (difference, shown))


main()
