#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program on a fresh Xvfb screen of the given size and fails when the
# program fails, hangs, or writes anything to standard error.
# Usage: run_on_screen.sh SERVER WxH PROGRAM [ARG]...
# SERVER is the first X display number to try; tests that run side by side
# start from different numbers so that they never race for the same one.
set -eu
server=$1
size=$2
shift 2
# The per-user runtime directory that a desktop session provides; without it
# Qt warns at start-up.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
status=0
XDG_RUNTIME_DIR=$runtime timeout 120 \
    xvfb-run -a -n "$server" -s "-screen 0 ${size}x24 -nolisten tcp" "$@" \
    2>"$runtime/stderr" || status=$?
if [ -s "$runtime/stderr" ]; then
    echo "standard error at ${size}:" >&2
    cat "$runtime/stderr" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "exit status $status at ${size}" >&2
fi
exit "$status"
