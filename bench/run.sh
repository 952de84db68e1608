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

# A 10 MB page: a head, then paragraphs, one per line.
make_page() {
    awk -v size="$2" 'BEGIN {
        printf "<html>\r\n<head>\r\n<title>Bench</title>\r\n</head>\r\n<body>\r\n"
        line = "<p class=\"text\">Velko benchmark line with some words, a <a href=\"x.html\">link</a>.</p>\r\n"
        for (n = 0; n < size; n += length(line)) printf "%s", line
        printf "</body>\r\n</html>\r\n"
    }' > "$1"
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "date:    $(date -u +%Y-%m-%d)"
echo "runs:    $runs (medians, ms)"

make_page "$work/page10.html" 10485760
printf '{"Title": "Bench", "Author": "Ann", "Robot": "all", "Use Title": true}' > "$work/form.json"

echo "window start-up to shown:           $(window_median startup - 1)"
echo "10 MB into the document area:       $(window_median text 10 1)"
echo "10 MB read back (CR LF mapped):     $(window_median text 10 2)"
echo "Insert Tags Into File, 10 MB:       $(window_median insert 10 1)"
echo "velko --insert, 10 MB page:         $(time_command "$build/src/velko" --insert "$work/form.json" "$work/page10.html")"
