#!/bin/sh
# Replays recorded at the seam play back exactly: the autopilot plays levels 1 to 25 with seeds
# 1, 2 and 3, each game recorded; replayed headless with every state check compared, each ends
# on the score and tick count the game ended on. Also: a file that is not a replay is refused
# with exit 2 and a one-line reason.
set -u
lab="$1/tessaron-lab"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for seed in 1 2 3; do
  (
    for level in $(seq 1 25); do
      file="$work/$level-$seed.replay"
      played=$("$lab" play "$level" --seed "$seed" --record "$file" | tail -n 1)
      replayed=$("$lab" replay "$file" --check)
      status=$?
      set -- $played
      case "$status $replayed" in
        "0 level "*" score $3 lives "*" ticks $2") ;;
        *) echo "level $level seed $seed: played '$played', replayed '$replayed' (exit $status)" ;;
      esac
    done >"$work/seed$seed"
  ) &
done
wait
failures=$(cat "$work"/seed?)
[ -z "$failures" ] || { echo "$failures"; exit 1; }
echo "75 recorded games replayed to their end with every check equal"

printf 'Ace SCORE= 0' >"$work/not-a-replay"
reason=$("$lab" replay "$work/not-a-replay" 2>&1 >/dev/null)
status=$?
[ "$status" = 2 ] && [ "$(echo "$reason" | wc -l)" = 1 ] || { echo "not a replay: exit $status, '$reason'"; exit 1; }
echo "refused: $reason"
