#!/bin/sh
# Checks the Debian package that "make deb" built: lintian finds no error and
# no warning, dh_shlibdeps gave it the Qt libraries the program and its window
# load, it installs into a scratch root with dpkg the same files as
# "make install PREFIX=/usr" from BUILD_DIR, velko runs from there, window
# included, and removing it leaves nothing behind.
#   test_deb.sh DEB BUILD_DIR
set -eu
deb=$1
build=$2

work=$(mktemp -d)
root=$work/root
# As in test_install.sh: the component's own manifest, not the one that
# "make uninstall" reads.
trap 'rm -rf "$work" "$build/install_manifest_velko.txt"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

lintian --fail-on error,warning --display-info "$deb" || fail "lintian"

version=$(dpkg-deb --field "$deb" Version)
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6core6 libqt6network6 libqt6widgets6; do
    echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ :].*//' | grep -qx "$library" ||
        fail "Depends lacks $library: $depends"
done

# A scratch dpkg database; the package's dependencies are the host's.
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
as_user=""
[ "$(id -u)" -eq 0 ] || as_user=--force-not-root
scratch_dpkg() {
    dpkg --root="$root" --log=/dev/null --force-depends $as_user "$@" >"$work/dpkg" 2>&1 ||
        fail "dpkg $*: $(cat "$work/dpkg")"
}
scratch_dpkg --install "$deb"

# The files that make install puts in place, with the man pages compressed
# and Debian's copyright and changelog beside them.
DESTDIR=$work/reference cmake --install "$build" --prefix /usr --component velko >/dev/null
(cd "$work/reference" && find usr ! -type d) | sed 's|^\(usr/share/man/.*\)$|\1.gz|' >"$work/expected"
printf "usr/share/doc/velko/%s\n" copyright changelog.gz >>"$work/expected"
sort -o "$work/expected" "$work/expected"
(cd "$root" && find usr ! -type d) | sort >"$work/installed"
diff "$work/expected" "$work/installed" || fail "the package differs from make install"

# The same bytes, but for the programs, which are stripped, and the man pages.
while read -r file; do
    case "$file" in
    usr/bin/* | usr/lib/* | usr/share/doc/velko/*) ;;
    usr/share/man/*) gzip -dc "$root/$file" | cmp -s - "$work/reference/${file%.gz}" ||
        fail "$file differs" ;;
    *) cmp -s "$root/$file" "$work/reference/$file" || fail "$file differs" ;;
    esac
done <"$work/installed"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
[ "$("$root/usr/bin/velko" --version)" = "Velko $version" ] ||
    fail "velko --version is not the package's version $version"
# The window is up, as far as the offscreen platform goes, when velko still
# runs after a few seconds; a window module that fails to load ends it at once.
status=0
timeout 5 "$root/usr/bin/velko" -platform offscreen >"$work/window" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the window ended with status $status: $(cat "$work/window")"

scratch_dpkg --remove velko
left=$(cd "$root" && find . ! -path './var/lib/dpkg*' ! -path . ! -path ./var ! -path ./var/lib)
[ -z "$left" ] || fail "left after removing: $left"
state=$(dpkg-query --admindir="$root/var/lib/dpkg" --show --showformat='${db:Status-Status}' velko 2>/dev/null || true)
[ "$state" = "not-installed" ] || [ -z "$state" ] || fail "velko is $state after removing"
echo "lintian clean; installed $(wc -l <"$work/installed") files of velko $version and removed them"
