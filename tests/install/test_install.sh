#!/bin/sh
# Installs Velko into a scratch folder as a package build would (prefix /usr),
# checks every installed file, validates the desktop entry, the metainfo and
# the man page, then uninstalls by the manifest and checks that only folders
# are left.
#   test_install.sh BUILD_DIR SOURCE_DIR VERSION
set -eu
build=$1
source=$2
version=$3

work=$(mktemp -d)
dest=$work/dest
usr=$dest/usr
manifest=$build/install_manifest_velko.txt
# The manifest describes the scratch install only, so it goes with it.
trap 'rm -rf "$work" "$manifest"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$dest cmake --install "$build" --prefix /usr --component velko >/dev/null

sizes="16 22 24 32 48 64 128 256"
expected="bin/velko
lib/velko/velko-window.so
share/applications/velko.desktop
share/metainfo/example.harbordale.velko.metainfo.xml
share/man/man1/velko.1
share/icons/hicolor/scalable/apps/velko.svg
share/velko/help/logo.png"
for size in $sizes; do
    expected="$expected share/icons/hicolor/${size}x${size}/apps/velko.png"
done
for page in "$source"/src/help/pages/*.html; do
    expected="$expected share/velko/help/${page##*/}"
done

# The manifest names exactly these files, and each of them is there.
printf "/usr/%s\n" $expected | sort >"$work/expected"
sort "$manifest" >"$work/listed"
diff "$work/expected" "$work/listed" || fail "the manifest differs from the expected files"
while read -r file; do
    [ -s "$dest$file" ] || fail "$dest$file is missing or empty"
done <"$work/expected"

[ "$("$usr/bin/velko" --version)" = "Velko $version" ] || fail "velko --version"

desktop_notes=$(desktop-file-validate "$usr/share/applications/velko.desktop") ||
    fail "desktop-file-validate: $desktop_notes"
[ -z "$desktop_notes" ] || fail "desktop-file-validate: $desktop_notes"

# validate-tree checks the metainfo against the rest of the tree too.
appstreamcli validate-tree --no-net "$dest" >"$work/appstream" ||
    fail "appstreamcli validate-tree: $(cat "$work/appstream")"

man_page=$usr/share/man/man1/velko.1
man_warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$man_page" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "man: $man_warnings"
# The build writes the lists of check rules and form keys in at their markers.
if grep -l "velko-list:" "$man_page" "$usr"/share/velko/help/*.html; then
    fail "a list was left unwritten"
fi

DESTDIR=$dest sh "$source/scripts/uninstall.sh" "$manifest" >/dev/null
left=$(find "$dest" ! -type d)
[ -z "$left" ] || fail "left after uninstalling: $left"
echo "installed, validated and uninstalled $(wc -l <"$work/expected") files"
