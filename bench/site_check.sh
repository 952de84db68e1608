#!/bin/sh
# velko --check with the site rules: the 2,000-page site of make_corpus.py
# against cat of the same files, and the memory a page adds, from the peak
# memory of runs over 2,000 and 20,000 small pages that link to each other
# (canonicals, hreflang pairs, shared titles).
# Usage: bench/site_check.sh [BUILD_DIR]; RUNS sets the runs (default 11).
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-11}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
velko="$build/src/velko"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
time_command() {
    : > "$work/times"
    i=0
    while [ $i -lt "$runs" ]; do
        start=$(date +%s%N)
        "$@" > /dev/null 2>&1 || true
        end=$(date +%s%N)
        echo $(( (end - start) / 1000 )) | awk '{printf "%.1f\n", $1 / 1000}' >> "$work/times"
        i=$((i + 1))
    done
    median < "$work/times"
}
peak_kb() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }

# linked_site FOLDER COUNT: COUNT pages, in pairs of languages.
linked_site() {
    python3 - "$1" "$2" <<'PY'
import os, sys
folder, count = sys.argv[1], int(sys.argv[2])
for n in range(count):
    lang, other = ("en", "de") if n % 2 == 0 else ("de", "en")
    pair = n + 1 if n % 2 == 0 else n - 1
    path = os.path.join(folder, "p%d" % (n // 100), "%d.html" % n)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as page:
        page.write(f"""<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<title>Boats for hire, page {n % 500}</title>
<meta name="description" content="Sailing boats and rowing boats to hire by the day, page {n}.">
<meta name="viewport" content="width=device-width">
<link rel="canonical" href="https://example.org/p{n // 100}/{n}.html">
<link rel="alternate" hreflang="{lang}" href="https://example.org/p{n // 100}/{n}.html">
<link rel="alternate" hreflang="{other}" href="https://example.org/p{pair // 100}/{pair}.html">
</head>
<body><p>Page {n}.</p></body>
</html>
""")
PY
}

"$here/make_corpus.py" "$work" site > /dev/null
cat_ms=$(time_command sh -c "cat '$work'/site/*.html")
check_ms=$(time_command "$velko" --check --quiet --site-url https://example.org/ "$work/site")
linked_site "$work/small" 2000
linked_site "$work/large" 20000
small_ms=$(time_command "$velko" --check --quiet --site-url https://example.org/ "$work/small")
small_kb=$(peak_kb "$velko" --check --quiet --site-url https://example.org/ "$work/small")
large_kb=$(peak_kb "$velko" --check --quiet --site-url https://example.org/ "$work/large")

echo "## $(date -u +%Y-%m-%d): velko --check with the site rules, $(nproc) cores"
echo
echo "| measure | result |"
echo "|---|---|"
echo "| 2,000 pages of 20 KB (make_corpus.py site/): cat | $cat_ms ms |"
echo "| the same, velko --check --site-url | $check_ms ms ($(awk -v a="$check_ms" -v b="$cat_ms" 'BEGIN {printf "%.2f", a / b}') x cat) |"
echo "| 2,000 linked pages: velko --check --site-url | $small_ms ms |"
echo "| peak memory, 2,000 / 20,000 linked pages | $((small_kb / 1024)) MB / $((large_kb / 1024)) MB |"
echo "| memory a page adds | $(awk -v a="$small_kb" -v b="$large_kb" 'BEGIN {printf "%.2f", (b - a) * 1024 / 18000 / 1024}') KiB |"
