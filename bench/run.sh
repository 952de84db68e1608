#!/bin/sh
# Velko's benchmarks. Usage: bench/run.sh [BUILD_DIR]
# Prints medians over several runs; the window runs on the offscreen platform.
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Runs "$@" $runs times; prints the median wall time in ms.
time_command() {
    : > "$work/times"
    i=0
    while [ $i -lt "$runs" ]; do
        start=$(date +%s%N)
        "$@" > /dev/null 2>&1
        end=$(date +%s%N)
        echo $(( (end - start) / 1000 )) | awk '{print $1 / 1000}' >> "$work/times"
        i=$((i + 1))
    done
    median < "$work/times"
}

# Runs the window benchmark MODE ARGUMENT $runs times; prints the median of
# column COLUMN. The start-up mode is given the time just before it starts.
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

# Peak memory of one run of "$@", in MB.
peak_memory() {
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.1f", $1 / 1024}'
}

here=$(cd "$(dirname "$0")" && pwd)
peers="$here/peers/read_meta.py"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "date:    $(date -u +%Y-%m-%d)"
echo "runs:    $runs (medians, ms)"

"$here/make_corpus.py" "$work"
page="$work/page10.html"
printf '{"Title": "Bench", "Author": "Ann", "Robot": "all", "Use Title": true}' > "$work/form.json"

echo "window start-up to shown:           $(window_median startup - 1)"
echo "10 MB into the document area:       $(window_median text 10 1)"
echo "10 MB read back (CR LF mapped):     $(window_median text 10 2)"
echo "Insert Tags Into File, 10 MB:       $(window_median insert 10 1)"
echo "Import File in the window, 10 MB:   $(window_median import "$page" 1)"
echo "velko --insert, 10 MB page:         $(time_command "$build/src/velko" --insert "$work/form.json" "$page")"

echo
echo "Reading tags (velko --read against the same extraction in Python):"
velko_page=$(time_command "$build/src/velko" --read "$page")
velko_site=$(time_command "$build/src/velko" --read "$work"/site/*.html)
runs=$(( runs < 5 ? runs : 5 ))
parser_page=$(time_command "$peers" html.parser "$page")
parser_site=$(time_command "$peers" html.parser "$work"/site/*.html)
lxml_page=$(time_command "$peers" lxml "$page")
lxml_site=$(time_command "$peers" lxml "$work"/site/*.html)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f", a / b}'; }
printf '%-22s %14s %14s\n' "" "10 MB page" "2,000 pages"
printf '%-22s %11s ms %11s ms\n' "velko --read" "$velko_page" "$velko_site"
printf '%-22s %11s ms %11s ms\n' "Python html.parser" "$parser_page" "$parser_site"
printf '%-22s %11s ms %11s ms\n' "lxml" "$lxml_page" "$lxml_site"
printf '%-22s %13sx %13sx\n' "lxml / velko" "$(ratio "$lxml_page" "$velko_page")" "$(ratio "$lxml_site" "$velko_site")"
size_mb=$(awk -v b="$(stat -c %s "$page")" 'BEGIN {print b / 1048576}')
echo "velko --read throughput, 10 MB page: $(awk -v s="$size_mb" -v t="$velko_page" 'BEGIN {printf "%.0f", s / (t / 1000)}') MB/s"
echo "velko --read peak memory, 10 MB page: $(peak_memory "$build/src/velko" --read "$page") MB"
