#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree into a scratch folder and
# checks its name, version, files and dependencies, what lintian says of it,
# and that the packaged program runs.
# Usage: check_deb_package.sh CPACK BUILD_DIR VERSION
set -eu
cpack=$1
build=$2
version=$3
for needed in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev dpkg-parsechangelog:dpkg-dev file:file \
    lintian:lintian; do
    command -v "${needed%%:*}" >/dev/null ||
        exec sh "$(dirname "$0")/../support/missing_tool.sh" "${needed%%:*}" "${needed#*:}"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "$*"
    exit 1
}

"$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$work/orvath_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package $(basename "$deb"): $(ls "$work")"

[ "$(dpkg-deb -f "$deb" Package)" = orvath ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong version $(dpkg-deb -f "$deb" Version)"

files=$(dpkg-deb -c "$deb" | grep -v '^d' | awk '{print $6}' | sort)
expected=$(sort <<LIST
./usr/bin/orvath
./usr/share/applications/org.orvath.Orvath.desktop
./usr/share/doc/orvath/changelog.gz
./usr/share/doc/orvath/copyright
./usr/share/icons/hicolor/scalable/apps/org.orvath.Orvath.svg
./usr/share/man/man1/orvath.1.gz
./usr/share/metainfo/org.orvath.Orvath.metainfo.xml
LIST
)
[ "$files" = "$expected" ] || fail "package files differ:
$files"

# Libraries from dpkg-shlibdeps, plugins and fonts named by hand.
depends=", $(dpkg-deb -f "$deb" Depends),"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
    qt6-qpa-plugins fonts-liberation; do
    echo "$depends" | grep -q ", $package[ ,]" || fail "no dependency on $package: $depends"
done

# lintian: an error or a warning fails; informational and pedantic tags are
# printed for the record (today: the hardening of the build flags and the
# .comment section that cpack's strip leaves).
lintian --fail-on error,warning --display-level '>=pedantic' --tag-display-limit 0 "$deb" \
    >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian found errors or warnings"; }
grep '^[EWIPX]: ' "$work/lintian.log" || true

dpkg-deb -x "$deb" "$work/root"
# The changelog's newest entry is the package's version.
changelog_version=$(dpkg-parsechangelog -l "$work/root/usr/share/doc/orvath/changelog.gz" -S Version)
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is $changelog_version"
program="$work/root/usr/bin/orvath"
[ "$("$program" --version | head -n 1)" = "orvath $version" ] || fail "packaged program's version is wrong"
"$program" --export "$work/picture.png" --size 160x90 || fail "packaged program cannot export"
[ -s "$work/picture.png" ] || fail "packaged program wrote no picture"
echo "package $(basename "$deb") checked"
