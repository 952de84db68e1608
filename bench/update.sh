#!/bin/sh
# velko --update: the 10 MB page to standard output and as a diff, and the
# 2,000-page site in place, each run on a fresh copy of the site (the copy is
# not timed), then once more on the updated copy, where nothing changes.
# Usage: bench/update.sh [BUILD_DIR [CORPUS_DIR]]. Prints a Markdown table of
# medians of whole processes (ms); RUNS sets the runs (default 11). Without
# CORPUS_DIR the corpus is made afresh by make_corpus.py.
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-11}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
corpus=${2:-$work/corpus}
[ -d "$corpus/site" ] || "$here/make_corpus.py" "$corpus"
velko="$build/src/velko"
form="$work/form.json"
printf '{"Title": "Bench", "Author": "Ann", "Robot": "all", "Use Title": true}' > "$form"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# timed PREPARE COMMAND...: the median wall time of COMMAND in ms, PREPARE run
# (untimed) before each run.
timed() {
    prepare=$1
    shift
    i=0
    while [ $i -lt "$runs" ]; do
        $prepare
        start=$(date +%s%N)
        "$@" > /dev/null 2>&1 || [ $? -eq 1 ]
        end=$(date +%s%N)
        echo $(( (end - start) / 1000 )) | awk '{printf "%.1f\n", $1 / 1000}'
        i=$((i + 1))
    done | median
}
nothing() { :; }
fresh_site() { rm -rf "$work/site" && cp -R "$corpus/site" "$work/site"; }

echo "| velko --update | median |"
echo "|---|---|"
page_ms=$(timed nothing "$velko" --update "$form" "$corpus/page10m.html")
cat_ms=$(timed nothing cat "$corpus/page10m.html")
echo "| the 10 MB page, to standard output | $page_ms ms |"
echo "| cat of the 10 MB page, for scale | $cat_ms ms ($(echo "$page_ms $cat_ms" | awk '{printf "%.1f", $1 / $2}')x) |"
echo "| the 10 MB page, --dry-run (a diff) | $(timed nothing "$velko" --update "$form" --dry-run "$corpus/page10m.html") ms |"
echo "| the 2,000-page site, --in-place, every page changed | $(timed fresh_site sh -c "\"$velko\" --update \"$form\" --in-place \"$work\"/site/*.html") ms |"
echo "| the same site again, --in-place, no page changed | $(timed nothing sh -c "\"$velko\" --update \"$form\" --in-place \"$work\"/site/*.html") ms |"
