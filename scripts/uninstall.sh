#!/bin/sh
# Removes the files that "cmake --install" wrote down in its manifest, and
# nothing else. Folders stay: they may have been there before. The manifest
# leaves DESTDIR out, so an install into DESTDIR is removed with the same one.
#   [DESTDIR=...] scripts/uninstall.sh [MANIFEST]   (default build/install_manifest.txt)
set -eu
manifest=${1:-build/install_manifest.txt}
destdir=${DESTDIR:-}

if [ ! -f "$manifest" ]; then
    echo "uninstall.sh: $manifest not found: nothing was installed from that build folder" >&2
    exit 1
fi

# CMake ends the manifest without a line break, hence the test of $file.
while IFS= read -r file || [ -n "$file" ]; do
    if [ -e "$destdir$file" ] || [ -L "$destdir$file" ]; then
        rm -f -- "$destdir$file"
        echo "Removed $destdir$file"
    fi
done <"$manifest"
