#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the menu entry (hints count as faults too) and checks that it
# starts the installed program with the program's icon.
# Usage: check_desktop_entry.sh DESKTOP_FILE ICON_FILE
set -eu
entry=$1
icon=$2
command -v desktop-file-validate >/dev/null ||
    exec sh "$(dirname "$0")/../support/missing_tool.sh" desktop-file-validate desktop-file-utils
report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; exit 1; }
if [ -n "$report" ]; then
    echo "$report"
    exit 1
fi
grep -qx 'Exec=orvath' "$entry" || { echo "the entry does not start orvath"; exit 1; }
name=$(basename "$icon" .svg)
grep -qx "Icon=$name" "$entry" || { echo "the entry does not name the icon $name"; exit 1; }
echo "menu entry valid"
