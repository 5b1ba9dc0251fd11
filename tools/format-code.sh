#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Formats every C++ file of the tree with the project's .clang-format, or with --check only says
# which files are not formatted and fails (CI runs the check). Another clang-format version breaks
# lines differently, so only version 14 (Debian 12's) is used; without it the check is skipped
# (status 77, which ctest reports as skipped).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
format=""
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null 2>&1 && "$candidate" --version | grep -q 'version 14\.'; then
    format=$candidate; break
  fi
done
if [ -z "$format" ]; then
  echo "clang-format 14 not found (apt-get install clang-format): formatting not checked"
  exit 77
fi
cd "$top"
if [ -d .git ] || [ -f .git ]; then
  list() { git ls-files -z -- '*.cpp' '*.h'; }
else
  list() { find game screens shell tools resources bench tests \( -name '*.cpp' -o -name '*.h' \) -print0; }
fi
if [ "${1:-}" = "--check" ]; then
  report=$(mktemp)
  trap 'rm -f "$report"' EXIT
  if list | xargs -0 "$format" --dry-run --Werror 2>"$report"; then
    echo "formatting ok"; exit 0
  fi
  grep -o '^[^:]*\.\(cpp\|h\):[0-9]*' "$report" | sort -u -t: -k1,1 | sed 's/$/: not formatted/' || cat "$report"
  echo "run tools/format-code.sh to format them"
  exit 1
fi
list | xargs -0 "$format" -i
