#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Reports a tool that a check needs and that is not installed. The check is
# skipped (status 77), but under CI (CI=true), where no check may silently
# not run, it fails.
# Usage: missing_tool.sh TOOL PACKAGE
echo "$1 is not installed (package $2)"
[ "${CI:-}" = true ] && exit 1
exit 77
