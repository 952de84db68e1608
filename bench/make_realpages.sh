#!/bin/sh
# Builds the real-pages corpus for bench/realpages.py from clones (bare or
# not) of two public repositories that keep saved web pages as test input:
# postlight/parser (fixtures/*.html) and mozilla/readability
# (test/test-pages/*/source.html). The pages are copied byte for byte out of
# git, so line breaks and encodings stay as saved. The corpus stays outside
# this repository: the pages are other people's.
# Usage: bench/make_realpages.sh POSTLIGHT_PARSER_GIT READABILITY_GIT OUT_DIR
set -eu
if [ $# -ne 3 ]; then
    echo "Usage: $0 POSTLIGHT_PARSER_GIT READABILITY_GIT OUT_DIR" >&2
    exit 2
fi
postlight=$1
readability=$2
out=$3

rm -rf "$out/postlight" "$out/readability"
mkdir -p "$out/postlight" "$out/readability"

# copy REPO PATTERN DIR RENAME: each HEAD file whose path matches the extended
# regex PATTERN, into DIR, named by its path after the sed expression RENAME,
# with "/" turned to "__".
copy() {
    repo=$1 pattern=$2 dir=$3 rename=$4
    # -z keeps git from quoting paths with unusual characters.
    git -C "$repo" ls-tree -r --name-only -z HEAD | tr '\0' '\n' | grep -E "$pattern" |
        while IFS= read -r path; do
            name=$(printf '%s' "$path" | sed -E "$rename" | sed 's|/|__|g')
            git -C "$repo" cat-file blob "HEAD:$path" > "$dir/$name"
        done
}

copy "$postlight" '^fixtures/.*\.html$' "$out/postlight" 's|^fixtures/||'
copy "$readability" '^test/test-pages/[^/]+/source\.html$' "$out/readability" \
    's|^test/test-pages/([^/]+)/source\.html$|\1.html|'

{
    echo "postlight/parser $(git -C "$postlight" rev-parse HEAD)"
    echo "mozilla/readability $(git -C "$readability" rev-parse HEAD)"
} > "$out/SOURCES"
count() { find "$1" -type f | wc -l; }
echo "$(count "$out/postlight") pages from postlight/parser," \
    "$(count "$out/readability") from mozilla/readability, in $out"
