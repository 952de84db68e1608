#!/bin/sh
# Installs the Debian packages Velko needs to build, run and test, and only
# those that are missing, so a second run takes a moment. desktop-file-utils,
# appstream and man-db are for the test of what "make install" installs.
# fonts-liberation2 is the font the text-width test checks the built-in
# advance table against. qt6-tools-dev has CMake's Qt6LinguistTools,
# qt6-l10n-tools its lupdate and lrelease; qt6-translations-l10n is Qt's own
# translation of its dialogs.
# "install-deps.sh bench" adds what the benchmarks compare Velko with,
# Google Benchmark for bench_previews and Chromium to open the check report
# in; Node.js and npm only when no working npm is there already, since
# Debian's npm cannot be installed beside a Node.js from elsewhere.
# bench/widths.py lays texts out in Chromium with the fonts
# the width tables come from; tools/font_advances.py reads those fonts with
# fontTools.
# "install-deps.sh fuzz" adds clang and its libFuzzer and sanitizer runtimes,
# "install-deps.sh format" clang-format.
# "install-deps.sh deb" adds what "make deb" builds the Debian package with
# (dpkg-buildpackage and debhelper; build-essential is what dpkg-buildpackage
# takes for granted beside debian/control's Build-Depends, which the list
# above holds) and lintian, which checks it.
set -eu

packages="
cmake
make
g++
qt6-base-dev
qt6-base-dev-tools
qt6-qpa-plugins
qt6-svg-dev
qt6-tools-dev
qt6-l10n-tools
qt6-translations-l10n
libgl-dev
fonts-dejavu-core
fonts-liberation2
desktop-file-utils
appstream
man-db
"

if [ "${1:-}" = bench ]; then
    packages="$packages python3 python3-lxml python3-html5lib time libbenchmark-dev"
    packages="$packages chromium fonts-dejavu-extra fonts-noto-cjk python3-fonttools"
    npm --version > /dev/null 2>&1 || packages="$packages nodejs npm"
fi
if [ "${1:-}" = format ]; then
    packages="$packages clang-format"
fi
if [ "${1:-}" = deb ]; then
    packages="$packages build-essential dpkg-dev debhelper lintian"
fi
if [ "${1:-}" = fuzz ]; then
    packages="$packages clang libclang-rt-14-dev"
fi

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing="$missing $package"
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing" >&2
    echo "Run this script as root, or install them with apt-get." >&2
    exit 1
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing
