#!/bin/sh
# Runs every command of the notes for the teacher as they give it: the lines
# of their code blocks and the `orvath ...` in their text, offscreen in a
# scratch folder. A command that would open the window exports its first
# picture instead, so that it ends; every file a command writes must be
# there afterwards.
# Usage: check_teaching_notes.sh PROGRAM NOTES
set -eu
program=$1
notes=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen
{
    sed -n 's/^    orvath\( .*\)\{0,1\}$/orvath\1/p' "$notes"
    grep -o '`orvath [^`]*`' "$notes" | tr -d '`'
} | sort -u > commands
count=$(wc -l < commands)
[ "$count" -ge 5 ] || { echo "only $count commands found in $notes"; exit 1; }
status=0
n=0
while IFS= read -r command; do
    n=$((n + 1))
    args=${command#orvath}
    case "$args" in
    *--export* | *--help* | *--version*) ;;
    *) args="$args --export shown-$n.png --size 640x360" ;;
    esac
    # The notes' own words, split as a shell splits them.
    if ! eval "\"\$program\" $args" > out.txt 2>&1 < /dev/null; then
        echo "failed: $command"
        cat out.txt
        status=1
        continue
    fi
    for file in $(echo "$args" | sed -n 's/.*--export\(-animation\)\{0,1\} \([^ ]*\).*/\2/p'); do
        [ -s "$file" ] || { echo "wrote no $file: $command"; status=1; }
    done
done < commands
[ "$status" -eq 0 ] && echo "$count commands of the notes ran"
exit "$status"
