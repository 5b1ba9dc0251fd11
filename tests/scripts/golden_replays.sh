#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Every golden replay (tests/golden) plays to the final line stored beside it; a drifting rule shows as the
# replay's name and its first differing field or state check. tools/record-golden-replays.sh records them.
lab="$1/tessaron-lab" failures=0 count=0
for file in "$(dirname "$0")"/../golden/*.replay; do
    count=$((count + 1))
  expected=$(cat "${file%.replay}.expected" 2>/dev/null) || { echo "$(basename "$file"): no expected line"; exit 1; }
  got=$("$lab" replay "$file" --check 2>&1)
  [ "$got" = "$expected" ] && continue
  failures=$((failures + 1))
  # Final lines are "field value" pairs: name the first pair that differs, else show the line.
  echo "$(basename "$file"): $(printf '%s\n%s\n' "$expected" "$got" | awk 'NR == 1 { split($0, want) }
    NR == 2 { for (i = 1; i < length(want); i += 2) if ($i != want[i] || $(i + 1) != want[i + 1]) {
                if ($i == want[i]) { print want[i] " is " $(i + 1) ", expected " want[i + 1]; exit }
                print $0; exit } }')"
done
[ $failures -eq 0 ] && echo "all $count golden replays play to their stored end"
exit $failures
