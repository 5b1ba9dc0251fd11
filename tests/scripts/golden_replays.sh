#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Every committed golden replay (tests/golden) plays to the final line stored beside it: a rule
# that drifts shows as the replay's name and the first field that differs, or as the state check
# inside the replay that first disagrees. tests/golden/record.sh records them again on purpose.
lab="$1/tessaron-lab"
golden="$(dirname "$0")/../golden"
failures=0
count=0
for file in "$golden"/*.replay; do
  [ -e "$file" ] || break
  count=$((count + 1))
  name=$(basename "$file")
  expected=$(cat "${file%.replay}.expected" 2>/dev/null) || { echo "$name: no expected line beside it"; failures=$((failures + 1)); continue; }
  got=$("$lab" replay "$file" --check 2>&1)
  [ "$got" = "$expected" ] && continue
  failures=$((failures + 1))
  case "$got" in
    "difference at "*|*"tessaron-lab:"*) echo "$name: $got"; continue ;;
  esac
  # Both lines are "field value" pairs: name the first pair that differs.
  set -- $got
  for field in $expected; do
    if [ -z "${want_field:-}" ]; then want_field=$field; continue; fi
    if [ "$1" != "$want_field" ] || [ "$2" != "$field" ]; then
      echo "$name: $want_field is $2, expected $field (got '$got')"; break
    fi
    shift 2; want_field=
  done
  want_field=
done
if [ $count -eq 0 ]; then echo "no golden replay in $golden"; exit 1; fi
[ $failures -eq 0 ] && echo "all $count golden replays play to their stored end"
exit $failures
