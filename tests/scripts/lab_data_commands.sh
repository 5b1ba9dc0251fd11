#!/bin/sh
# tessaron-lab score, code and codes: the output formats that scripts rely on.
set -eu
bin="$1"
lab="$bin/tessaron-lab"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf 'Ace SCORE= 4200' > "$scratch/a.sco"
[ "$("$lab" score "$scratch/a.sco")" = "[ Ace] 4200" ] || fail "score of Ace"

# No marker: the defaults, and the file rewritten with them.
printf 'Ace score= 4200' > "$scratch/b.sco"
[ "$("$lab" score "$scratch/b.sco")" = "[Trimbalour] 1235" ] || fail "defaults"
[ "$(cat "$scratch/b.sco")" = "Trimbalour SCORE= 1235" ] || fail "rewritten file"

# A Windows-1252 name is shown in UTF-8.
printf 'Zo\351 SCORE= 9' > "$scratch/c.sco"
[ "$("$lab" score "$scratch/c.sco")" = "[ Zoé] 9" ] || fail "accented name"

codes=$("$lab" codes)
[ "$(printf '%s\n' "$codes" | wc -l)" -eq 25 ] || fail "25 codes"
[ "$(printf '%s\n' "$codes" | sort -u | wc -l)" -eq 25 ] || fail "codes all different"
printf '%s\n' "$codes" | grep -qvE '^[A-Z0-9]{6}$' && fail "a code of the wrong form"

level=0
for code in $codes; do
  level=$((level + 1))
  [ "$("$lab" code "$code")" = "$level" ] || fail "code $code selects $level"
done
first=$(printf '%s\n' "$codes" | sed -n 5p)
[ "$("$lab" code "$(printf '%s' "$first" | tr A-Z a-z)")" = 1 ] || fail "lower case is no match"
[ "$("$lab" code "")" = 1 ] || fail "empty text"
echo "lab data commands ok"
