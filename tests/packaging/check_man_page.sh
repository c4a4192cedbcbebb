#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the man page lists every long option that --help lists and no
# other, and that groff reads it without a warning.
# Usage: check_man_page.sh PROGRAM MAN_PAGE
set -eu
program=$1
page=$2
status=0
# Long options: those that start a line of --help, and every one the page names.
help_options=$("$program" --help | sed -n 's/^ *\(-[a-z], \)\{0,1\}\(--[a-z][a-z-]*\).*/\2/p' | sort -u)
page_options=$(sed 's/\\-/-/g' "$page" | grep -o -- '--[a-z][a-z-]*' | sort -u)
for option in $help_options; do
    echo "$page_options" | grep -qx -- "$option" || { echo "missing from the man page: $option"; status=1; }
done
for option in $page_options; do
    echo "$help_options" | grep -qx -- "$option" || { echo "not an option of orvath: $option"; status=1; }
done
if ! command -v groff >/dev/null; then
    [ "$status" -ne 0 ] && exit "$status"
    exec sh "$(dirname "$0")/../support/missing_tool.sh" groff groff-base
fi
warnings=$(groff -man -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
    echo "$warnings"
    status=1
fi
[ "$status" -eq 0 ] && echo "man page lists $(echo "$help_options" | wc -l) options"
exit "$status"
