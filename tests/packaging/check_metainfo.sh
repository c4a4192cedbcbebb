#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the AppStream metainfo without the network and checks that it
# names the menu entry and the project's version.
# Usage: check_metainfo.sh METAINFO_FILE DESKTOP_FILE VERSION
set -eu
metainfo=$1
entry=$2
version=$3
command -v appstreamcli >/dev/null ||
    exec sh "$(dirname "$0")/../support/missing_tool.sh" appstreamcli appstream
appstreamcli validate --no-net "$metainfo"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
    { echo "the metainfo does not launch $(basename "$entry")"; exit 1; }
grep -q "<release version=\"$version\"" "$metainfo" ||
    { echo "the metainfo has no release $version"; exit 1; }
