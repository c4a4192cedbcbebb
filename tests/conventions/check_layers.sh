#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every include in src/ points down the layers of docs/design.md
# (a folder includes itself and lower layers only, so folders on one level do
# not include each other) and that the Qt-free layers include no Qt header.
# Usage: check_layers.sh SRC_DIR
set -eu
src=$1

# level FOLDER: the folder's layer, counted from the bottom.
level() {
    case $1 in
        text) echo 0 ;;
        model | surface) echo 1 ;;
        wavelets | continuous | exact | instruments) echo 2 ;;
        panel) echo 3 ;;
        desktop | web) echo 4 ;;
        app) echo 5 ;;
        *) echo none ;;
    esac
}

problems=$(
    for dir in "$src"/*/; do
        folder=$(basename "$dir")
        own=$(level "$folder")
        if [ "$own" = none ]; then
            echo "src/$folder is not a layer: add it to docs/design.md and to this check"
            continue
        fi
        for file in "$dir"*.h "$dir"*.cpp; do
            [ -e "$file" ] || continue
            for target in $(sed -n 's/^#include "\([a-z_]*\)\/.*/\1/p' "$file" | sort -u); do
                other=$(level "$target")
                if [ "$target" != "$folder" ] && { [ "$other" = none ] || [ "$other" -ge "$own" ]; }; then
                    echo "src/$folder/$(basename "$file") includes $target/, not a lower layer"
                fi
            done
            if [ "$own" -le 3 ] && grep -q '^#include <Q' "$file"; then
                echo "src/$folder/$(basename "$file") includes Qt in a Qt-free layer"
            fi
        done
    done
)
if [ -n "$problems" ]; then
    echo "$problems"
    exit 1
fi
echo "every include points down"
