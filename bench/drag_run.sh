#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's figures while a hand works the picture: runs the animation
# with --stats on an X server and, from one xdotool process, drags the
# incident rays (ray) or the angle bar's thumb (bar) back and forth through
# the run, about 60 moves a second.
# Usage: xvfb-run -a -s "-screen 0 1920x1080x24" bench/drag_run.sh PROGRAM ray|bar [OPTION]...
# Needs xdotool (apt-get install xdotool); the points are those of the start
# values on a 1920x1080 screen.
set -eu
program=$1
what=$2
shift 2
"$program" --autoplay --quit-at-end --stats --time 0 "$@" &
pid=$!
sleep 1.2
if [ "$what" = ray ]; then
    x=847 y=300 dx=-16 dy=6
else
    x=56 y=13 dx=6 dy=0
fi
moves=()
for i in $(seq 1 200); do
    k=$((i % 40 < 20 ? i % 40 : 40 - i % 40))
    moves+=(mousemove $((x + k * dx)) $((y + k * dy)) sleep 0.016)
done
xdotool mousemove "$x" "$y" mousedown 1 "${moves[@]}" mouseup 1
wait "$pid"
