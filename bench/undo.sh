#!/bin/sh
# The undo of a run of 2,000 pages (the saved real pages, copied round until
# there are 2,000): velko --update --in-place --backup, then velko --undo,
# each timed, in a scratch folder with its own data folder.
#   bench/undo.sh [BUILD] [REALPAGES]
set -eu
build=${1:-build}
pages=${2:-/work/realpages}
velko=$(realpath "$build/src/velko")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/site"
n=0
while [ "$n" -lt 2000 ]; do
    for page in $(find "$pages" -name '*.html' | sort); do
        [ "$n" -lt 2000 ] || break
        cp "$page" "$work/site/$n.html"
        n=$((n + 1))
    done
done
printf '{"Author": "Bench", "Keywords": "undo, bench"}\n' >"$work/form.json"
export XDG_DATA_HOME="$work/data"
seconds() { date +%s.%N; }
start=$(seconds)
"$velko" --update "$work/form.json" --in-place --backup "$work"/site/*.html 2>/dev/null || true
middle=$(seconds)
"$velko" --undo 2>"$work/undo.log" || true
end=$(seconds)
echo "pages: $n"
echo "update --backup: $(echo "$middle - $start" | bc) s"
echo "undo: $(echo "$end - $middle" | bc) s, $(grep -c ': restored$' "$work/undo.log") restored"
