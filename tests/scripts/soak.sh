#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The soak: the autopilot plays every level and the random board with many seeds while the
# game's invariants are checked after every tick. A sanitizer build runs about ten times
# slower: there, 10 seeds of every board, shorter (the longest step of CI).
set -- "$1" 20 100000
grep -q '^TESSARON_SANITIZE:BOOL=ON' "$1/../CMakeCache.txt" 2>/dev/null && set -- "$1" 10 8000
exec "$1/tessaron-lab" soak --seeds "$2" --ticks "$3"
