#!/bin/sh
# tessaron-lab level: its line format, the random board's seeding, and refused arguments.
lab="$1/tessaron-lab"
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

out=$("$lab" level 1)
check "level 1 exits 0" '[ $? -eq 0 ]'
check "level 1 has 68 bricks" '[ "$(echo "$out" | wc -l)" -eq 68 ]'
check "level 1 starts at entry 1" '[ "$(echo "$out" | head -n 1)" = "1 120 60 5 0" ]'
check "level 1 ends at entry 68" '[ "$(echo "$out" | tail -n 1 | cut -d" " -f1)" = "68" ]'

for n in $(seq 1 25); do
  bad=$("$lab" level "$n" | grep -cvE '^[0-9]+ -?[0-9]+ -?[0-9]+ [1-8] [0-5]$')
  check "level $n lines are INDEX X Y KIND GROUP" '[ "$bad" -eq 0 ]'
done
check "level 4 uses entries 0 to 227" '[ "$("$lab" level 4 | tail -n 1 | cut -d" " -f1)" = "227" ]'
check "level 24 lists group 1 and 2" '[ "$("$lab" level 24 | cut -d" " -f5 | sort -u | tr "\n" " ")" = "0 1 2 " ]'

a=$("$lab" level 26 --seed 9)
b=$("$lab" level 26 --seed 9)
c=$("$lab" level -5 --seed 9)
d=$("$lab" level 1000 --seed 10)
check "random board has 144 bricks" '[ "$(echo "$a" | wc -l)" -eq 144 ]'
check "random board has no group" '[ "$(echo "$a" | cut -d" " -f5 | sort -u)" = "0" ]'
check "same seed, same board" '[ "$a" = "$b" ]'
check "any number outside 1..25, same board" '[ "$a" = "$c" ]'
check "another seed, another board" '[ "$a" != "$d" ]'
check "default seed is 1" '[ "$("$lab" level 0)" = "$("$lab" level 0 --seed 1)" ]'

for args in "" "x" "3x" "3 --seed" "3 --seed -1" "3 --seed 4294967296" "3 --speed 2" "99999999999"; do
  # shellcheck disable=SC2086
  "$lab" level $args >/dev/null 2>&1
  check "level '$args' is refused with status 2" '[ $? -eq 2 ]'
done

[ $fail -eq 0 ] && echo "lab level ok"
exit $fail
