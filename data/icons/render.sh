#!/bin/sh
# Renders the PNG icons from velko.svg. They are kept in git so that building
# and installing Velko need no SVG renderer; run this after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" velko.svg -o "${size}x${size}/velko.png"
done
