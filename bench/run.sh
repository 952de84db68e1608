#!/bin/sh
# Velko's benchmarks. Usage: bench/run.sh [BUILD_DIR]
# Prints medians over several runs; the window runs on the offscreen platform.
set -eu
build=${1:-build}
runs=${RUNS:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "date:    $(date -u +%Y-%m-%d)"
echo "runs:    $runs (medians)"

i=0; : > /tmp/velko-bench-startup
while [ $i -lt "$runs" ]; do
    "$build/bench/bench_window" startup "$(date +%s%N)" 2>/dev/null >> /tmp/velko-bench-startup
    i=$((i + 1))
done
echo "window start-up to shown:         $(median < /tmp/velko-bench-startup) ms"

i=0; : > /tmp/velko-bench-set; : > /tmp/velko-bench-read
while [ $i -lt 5 ]; do
    "$build/bench/bench_window" text 10 2>/dev/null > /tmp/velko-bench-text
    cut -d' ' -f1 /tmp/velko-bench-text >> /tmp/velko-bench-set
    cut -d' ' -f2 /tmp/velko-bench-text >> /tmp/velko-bench-read
    i=$((i + 1))
done
echo "10 MB into the document area:     $(median < /tmp/velko-bench-set) ms"
echo "10 MB read back (CR LF mapped):   $(median < /tmp/velko-bench-read) ms"
rm -f /tmp/velko-bench-*
