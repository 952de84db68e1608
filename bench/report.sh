#!/bin/sh
# The check report in a real browser: makes the reports of three runs and
# opens each in headless Chromium (Debian's chromium package) from disk, with
# no network, as a user opens a saved report. Prints a Markdown table: the
# time to make and to write each report (bench_report), and the medians of
# RUNS (default 5) openings, as report_probe.html measures them: the first
# paint, the page table's first rows drawn, and the frame after them painted.
# The runs: the made-up site of make_demo_site.py (88 pages), the 2,000-page
# site of make_corpus.py, and 20,000 pages: the real-pages corpus (REALPAGES,
# default /work/realpages) taken again and again, or the 2,000-page site ten
# times when that corpus is not there. With SCREENSHOT.png, also saves a
# screenshot of the made-up site's report there.
# Usage: bench/report.sh [BUILD_DIR [SCREENSHOT.png]]
set -eu
build=$(cd "${1:-build}" && pwd)
screenshot=${2:-}
runs=${RUNS:-5}
realpages=${REALPAGES:-/work/realpages}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Chromium as root needs --no-sandbox; the rest keeps it from reaching out.
chromium_headless() {
    rm -rf "$work/profile"
    timeout 300 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
        --disable-component-update --disable-sync --no-first-run --disable-quic \
        --user-data-dir="$work/profile" --hide-scrollbars "$@" 2>/dev/null
}

# The medians of $runs openings of REPORT, in ms: "FIRST_PAINT TABLE_DRAWN
# TABLE_PAINTED", as report_probe.html measures them.
paint_times() {
    awk -v probe="$here/report_probe.html" \
        '$0 == "</body>" { while ((getline line < probe) > 0) print line } { print }' \
        "$1" > "$work/probe.html"
    chromium_headless --dump-dom "file://$work/probe.html" > /dev/null # from a warm disk cache
    : > "$work/times"
    i=0
    while [ $i -lt "$runs" ]; do
        chromium_headless --dump-dom "file://$work/probe.html" | head -c 4096 > "$work/dom"
        for name in first-paint table-drawn table-painted; do
            sed -n "s/.*data-$name=\"\([0-9.]*\)\".*/\1/p" "$work/dom" | head -1
        done | paste -sd ' ' >> "$work/times"
        i=$((i + 1))
    done
    for column in 1 2 3; do cut -d' ' -f$column "$work/times" | median; done | paste -sd ' '
}

echo "Setting up: the sites..." >&2
"$here/make_demo_site.py" "$work/public"
"$here/make_corpus.py" "$work" site
large_source="$work/site"
large_name="the 2,000-page site, ten times"
if [ -d "$realpages" ]; then
    ln -s "$realpages" "$work/realpages"
    large_source="$work/realpages"
    large_name="the 300 real pages, again and again"
fi

echo "## $(date -u +%Y-%m-%d): the check report, $(nproc) cores, $(chromium --version 2>/dev/null | head -1)"
echo
echo "Medians of $runs openings; load average $(cut -d' ' -f1-3 /proc/loadavg)."
echo
echo "| run | report | made (CPU) | written | first paint | table drawn | table painted |"
echo "|---|---|---|---|---|---|---|"
for run in "demo 88 $work/public made-up site of 88 pages" \
           "site 2000 $work/site 2,000-page site" \
           "large 20000 $large_source 20,000 pages: $large_name"; do
    set -- $run
    name=$1 pages=$2 folder=$3
    shift 3
    echo "  $name..." >&2
    made=$(cd "$work" && "$build/bench/bench_report" "$work/$name.html" "${folder#$work/}" "$pages")
    times=$(paint_times "$work/$name.html")
    echo "$made $times" | awk -v what="$*" '{
        gsub(/[(),:]/, " ")
        printf "| %s | %s MB | %s ms (%s ms) | %s ms | %s ms | %s ms | %s ms |\n",
               what, $3, $8, $10, $15, $17, $18, $19 }'
done

if [ -n "$screenshot" ]; then
    echo "  screenshot..." >&2
    chromium_headless --window-size=1280,2000 --screenshot="$work/shot.png" "file://$work/demo.html" > /dev/null
    cp "$work/shot.png" "$screenshot"
fi
