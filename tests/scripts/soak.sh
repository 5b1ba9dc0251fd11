#!/bin/sh
# The soak: the autopilot plays every level and the random board with many seeds while the
# game's invariants are checked after every tick. A sanitizer build runs about ten times
# slower, so its runs are shorter and fewer (10 seeds of every board, the longest step of CI).
set -eu
bin="$1"
if grep -q '^TESSARON_SANITIZE:BOOL=ON' "$bin/../CMakeCache.txt" 2>/dev/null; then
  exec "$bin/tessaron-lab" soak --seeds 10 --ticks 8000
fi
exec "$bin/tessaron-lab" soak --seeds 20 --ticks 100000
