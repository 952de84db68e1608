#!/usr/bin/python3
"""Counts `velko --check` findings per rule over a folder of pages, for one
or two builds of velko side by side (before and after a change): findings per
rule, the pages each rule fires on, and the pages where --check exits 1.
Prints a Markdown table for bench/RESULTS.md.

Usage: check_rules.py FOLDER VELKO [VELKO_AFTER]"""

import collections
import json
import os
import subprocess
import sys


def pages(folder):
    found = []
    for root, _, files in os.walk(folder):
        found += [os.path.join(root, f) for f in files if f.endswith(".html")]
    return sorted(found)


def run(velko, paths):
    findings = collections.Counter()
    fired = collections.defaultdict(set)
    severity = {}
    failed = 0
    for path in paths:
        done = subprocess.run([velko, "--check", "--format=json", path], capture_output=True)
        failed += done.returncode == 1
        for line in done.stdout.decode().splitlines():
            finding = json.loads(line)
            findings[finding["rule"]] += 1
            fired[finding["rule"]].add(path)
            severity.setdefault(finding["rule"], set()).add(finding["severity"])
    return findings, fired, severity, failed


def main():
    folder, builds = sys.argv[1], sys.argv[2:]
    paths = pages(folder)
    results = [run(velko, paths) for velko in builds]
    rules = sorted(set().union(*(r[0].keys() for r in results)))
    head = ["rule"] + [f"{name} findings / pages" for name in ("before", "after")[: len(builds)]]
    head += ["severities (last)"]
    print("| " + " | ".join(head) + " |")
    print("|" + "---|" * len(head))
    for rule in rules:
        cells = [f"{r[0][rule]} / {len(r[1][rule])}" for r in results]
        print(f"| {rule} | " + " | ".join(cells) + f" | {', '.join(sorted(results[-1][2].get(rule, [])))} |")
    cells = [str(r[3]) for r in results]
    print(f"| pages where --check exits 1 (of {len(paths)}) | " + " | ".join(cells) + " | |")


main()
