#!/bin/sh
# Every level can be cleared without a ball caught for good: the autopilot plays levels 1 to 25
# with seeds 1, 2 and 3, and every run must end cleared without giving up a ball with F12 (the
# autopilot does that only when its ball has circled among indestructible bricks for 20000
# ticks). Prints the ticks each run took (a check of the levels, not a timing), with "+Ng"
# after a run that gave up N balls. The three seeds run side by side.
set -u
lab="$1/tessaron-lab"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for seed in 1 2 3; do
  (
    for level in $(seq 1 25); do
      out=$("$lab" play "$level" --seed "$seed")
      given=$(echo "$out" | sed -n 's/.*(given up in a loop \([0-9]*\)).*/\1/p')
      echo "$level $seed $(echo "$out" | tail -n 1) ${given:-none}"
    done >"$work/seed$seed"
  ) &
done
wait

cat "$work/seed1" "$work/seed2" "$work/seed3" | awk '
  {
    result[$1, $2] = $3; ticks[$1, $2] = $4; given[$1, $2] = $6
    if ($3 != "cleared") failed++
    if ($6 != "0") trapped++
  }
  END {
    print "level   seed 1   seed 2   seed 3   (ticks to clear)"
    for (level = 1; level <= 25; level++) {
      line = sprintf("%5d", level)
      for (seed = 1; seed <= 3; seed++) {
        cell = ticks[level, seed]
        if (result[level, seed] != "cleared") cell = "NOT:" (result[level, seed] == "" ? "none" : cell)
        if (given[level, seed] != "0") cell = cell "+" given[level, seed] "g"
        line = line sprintf(" %8s", cell)
      }
      print line
    }
    if (failed) print failed " run(s) not cleared"
    if (trapped) print trapped " run(s) gave up a ball caught in a loop"
    if (failed || trapped) exit 1
    print "all 75 runs cleared, no ball given up"
  }'
