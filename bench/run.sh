#!/bin/sh
# Velko's benchmarks, side by side with the tools a user might pick instead.
# Usage: bench/run.sh [BUILD_DIR]. Prints Markdown tables of medians (ms);
# RUNS sets the runs of each Velko measurement (default 11), PEER_RUNS those
# of each other tool (default 3). The window runs on the offscreen platform.
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-11}
peer_runs=${PEER_RUNS:-3}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

velko="$build/src/velko"
python_peer="$here/peers/read_meta.py"
check_peer="$here/peers/check_lxml.py"
node_peer="$here/peers/read_meta.js"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f", a / b}'; }
smallest() { printf '%s\n' "$@" | sort -n | head -1; }

# time_command RUNS COMMAND...: the median wall time of COMMAND in ms.
time_command() {
    count=$1
    shift
    : > "$work/times"
    i=0
    while [ $i -lt "$count" ]; do
        start=$(date +%s%N)
        "$@" > /dev/null 2>&1
        end=$(date +%s%N)
        echo $(( (end - start) / 1000 )) | awk '{printf "%.1f\n", $1 / 1000}' >> "$work/times"
        i=$((i + 1))
    done
    median < "$work/times"
}

# Peak resident memory of one run of COMMAND..., in MB.
peak_memory() {
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.1f", $1 / 1024}'
}

# One process per page, as a shell script would call a tool: TOOL... PAGES.
per_page() {
    for page in $pages; do "$@" "$page"; done
}

# The window benchmark MODE ARGUMENT, $runs times; the median of column COLUMN.
# The start-up mode is given the time just before it starts.
window_median() {
    : > "$work/times"
    i=0
    while [ $i -lt "$runs" ]; do
        argument=$2
        [ "$1" = startup ] && argument=$(date +%s%N)
        "$build/bench/bench_window" "$1" "$argument" 2>/dev/null | cut -d' ' -f"$3" >> "$work/times"
        i=$((i + 1))
    done
    median < "$work/times"
}

echo "Setting up: cheerio from the npm registry, the corpus..." >&2
(cd "$work" && npm install --silent --no-audit --no-fund --prefix node cheerio@1 > /dev/null)
export NODE_PATH="$work/node/node_modules"
"$here/make_corpus.py" "$work"

echo "## $(date -u +%Y-%m-%d): $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo
echo "Medians in ms: velko of $runs runs, the others of $peer_runs."
echo
echo "### velko --read and the same extraction in Python (html.parser, lxml) and Node (cheerio)"
echo
echo "| input | velko | html.parser | lxml | cheerio | fastest other / velko | velko MB/s | velko peak memory |"
echo "|---|---|---|---|---|---|---|---|"
for name in page20k page1m page10m page100m minified10m unclosed10m; do
    page="$work/$name.html"
    echo "  $name..." >&2
    ours=$(time_command "$runs" "$velko" --read "$page")
    parser=$(time_command "$peer_runs" "$python_peer" html.parser "$page")
    lxml=$(time_command "$peer_runs" "$python_peer" lxml "$page")
    cheerio=$(time_command "$peer_runs" node "$node_peer" "$page")
    size=$(stat -c %s "$page")
    fastest=$(smallest "$parser" "$lxml" "$cheerio")
    rate=$(awk -v s="$size" -v t="$ours" 'BEGIN {printf "%.0f", s / 1048576 / (t / 1000)}')
    memory=$(peak_memory "$velko" --read "$page")
    echo "| $name ($(awk -v s="$size" 'BEGIN {printf "%.2f MB", s / 1048576}')) | $ours | $parser | $lxml | $cheerio | $(ratio "$fastest" "$ours")x | $rate | $memory MB |"
done

echo "  site..." >&2
ours=$(time_command "$runs" "$velko" --read "$work"/site/*.html)
parser=$(time_command "$peer_runs" "$python_peer" html.parser "$work"/site/*.html)
lxml=$(time_command "$peer_runs" "$python_peer" lxml "$work"/site/*.html)
cheerio=$(time_command "$peer_runs" node "$node_peer" "$work"/site/*.html)
echo "| 2,000 pages of 20 KB, one process | $ours | $parser | $lxml | $cheerio | $(ratio "$(smallest "$parser" "$lxml" "$cheerio")" "$ours")x | $(awk -v t="$ours" 'BEGIN {printf "%.0f", 2000 * 20 / 1024 / (t / 1000)}') | $(peak_memory "$velko" --read "$work"/site/*.html) MB |"

echo "  one process per page..." >&2
pages=$(ls "$work"/site/*.html | head -200)
ours=$(time_command 3 per_page "$velko" --read)
parser=$(time_command 1 per_page "$python_peer" html.parser)
lxml=$(time_command 1 per_page "$python_peer" lxml)
cheerio=$(time_command 1 per_page node "$node_peer")
echo "| 200 pages of 20 KB, one process per page | $ours | $parser | $lxml | $cheerio | $(ratio "$(smallest "$parser" "$lxml" "$cheerio")" "$ours")x | | |"

# velko --check; status 1 only says an error was found.
check_pages() { "$velko" --check "$@" || [ $? -eq 1 ]; }

echo
echo "### velko --check and the same rules written with lxml"
echo
echo "| input | velko | lxml | lxml / velko | velko MB/s |"
echo "|---|---|---|---|---|"
echo "  check..." >&2
ours=$(time_command "$runs" check_pages "$work/page10m.html")
lxml=$(time_command "$peer_runs" "$check_peer" "$work/page10m.html")
echo "| page10m (10.00 MB) | $ours | $lxml | $(ratio "$lxml" "$ours")x | $(awk -v t="$ours" 'BEGIN {printf "%.0f", 10 / (t / 1000)}') |"
ours=$(time_command "$runs" check_pages "$work"/site/*.html)
lxml=$(time_command "$peer_runs" "$check_peer" "$work"/site/*.html)
echo "| 2,000 pages of 20 KB, one process | $ours | $lxml | $(ratio "$lxml" "$ours")x | $(awk -v t="$ours" 'BEGIN {printf "%.0f", 2000 * 20 / 1024 / (t / 1000)}') |"

echo
echo "### The window (offscreen) and velko --insert"
echo
echo "| what | median |"
echo "|---|---|"
echo "  window..." >&2
printf '{"Title": "Bench", "Author": "Ann", "Robot": "all", "Use Title": true}' > "$work/form.json"
echo "| window start-up to shown (process start to exposed) | $(window_median startup - 1) ms |"
echo "| Import File of the 10 MB page, to the form filled | $(window_median import "$work/page10m.html" 1) ms |"
echo "| Save File of the imported 10 MB page | $(window_median save "$work/page10m.html" 1) ms |"
echo "| Insert Tags Into File into a 10 MB document, to the coloured block | $(window_median insert 10 1) ms |"
echo "| 10 MB text into the document area, laid out | $(window_median text 10 1) ms |"
echo "| 10 MB text read back from the document area, CR LF mapped | $(window_median text 10 2) ms |"
echo "| a key typed in Title to the previews beside it drawn (median of 200 keys) | $(window_median preview 200 1) ms |"
echo "  Update Tags In Files..." >&2
: > "$work/site_times"
i=0
while [ $i -lt "$runs" ]; do
    rm -rf "$work/site_copy"
    cp -r "$work/site" "$work/site_copy"
    "$build/bench/bench_window" site "$work/site_copy" 2>/dev/null >> "$work/site_times"
    i=$((i + 1))
done
site_median() { cut -d' ' -f"$1" "$work/site_times" | median; }
echo "| Update Tags In Files on 2,000 pages of 20 KB: the preview shown (longest event-loop gap) | $(site_median 1) ms ($(site_median 2) ms) |"
echo "| ... the 1,994 pages that change written, each synced (longest event-loop gap) | $(site_median 3) ms ($(site_median 4) ms) |"
echo "| velko --insert on the 10 MB page, whole process | $(time_command "$runs" "$velko" --insert "$work/form.json" "$work/page10m.html") ms |"

echo
echo "### The Web Tags previews: one update for a 200-character title and description"
echo
if [ -x "$build/bench/bench_previews" ]; then
    echo "| text | median wall time | median CPU time |"
    echo "|---|---|---|"
    "$build/bench/bench_previews" --benchmark_repetitions="$runs" \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, '/_median/ {
            kind = ($1 ~ /words:1/) ? "words" : "one word without blanks"
            printf "| %s | %.1f µs | %.1f µs |\n", kind, $3, $4 }'
else
    echo "(bench_previews not built: install libbenchmark-dev and configure again)"
fi

echo
echo "### velko --update"
echo
RUNS=$runs "$here/update.sh" "$build" "$work"

echo
"$here/report.sh" "$build" | sed '1s/^## /### /'
