#!/bin/sh
# The site editor: the 2,000-page site of make_corpus.py (20 KB pages) and
# 20,000 pages (that site ten times, in ten folders) opened, listed, every
# title edited by an imported title list and written by Save Changes. Prints
# a Markdown table for RESULTS.md. Usage: site_editor.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/make_corpus.py" "$work" site > /dev/null
mkdir "$work/large"
for i in 0 1 2 3 4 5 6 7 8 9; do cp -r "$work/site" "$work/large/part$i"; done

echo "## $(date -u +%Y-%m-%d): the site editor, $(nproc) cores"
echo
echo "Load average $(cut -d' ' -f1-3 /proc/loadavg); offscreen; a fresh copy of the pages each run."
echo
echo "| pages | listed | longest gap while listing | Save Changes, every title | longest gap while saving |"
echo "|---|---|---|---|---|"
for run in "2,000 site" "2,000 site" "2,000 site" "20,000 large"; do
    set -- $run
    rm -rf "$work/copy" && cp -r "$work/$2" "$work/copy"
    QT_QPA_PLATFORM=offscreen "$build/bench/bench_window" editor "$work/copy" |
        awk -v pages="$1" '{ printf "| %s | %s ms | %s ms | %s ms | %s ms |\n", pages, $1, $2, $3, $4 }'
done
