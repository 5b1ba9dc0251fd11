#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Fails when the game library ($1) calls above itself: of the functions it uses and does not
# define, the program's own may only be the seam's (game/platform.h), and none may wait, read a
# clock, touch files or reach SDL. (The includes are the layer check's; a function declared by
# hand in game/ and defined in the shell, a cue played from there, is caught here.)
seam='closeGameWindow|inputTimeMs|pointerPosition|requestRepaint|startGameTimer|stopGameTimer'
outside='^(SDL_|Mix_|TTF_|IMG_|std::chrono::.*::now|std::this_thread::)|^(sleep|usleep|nanosleep|clock_nanosleep'
outside="$outside|sched_yield|time|clock|clock_gettime|gettimeofday|fopen|open|openat|read|write|poll|select|pthread_.*)$"
[ -f "$1" ] || { echo "no game library at $1"; exit 1; }
nm -C "$1" | awk -v seam="^($seam)\\\\(" -v outside="$outside" '
  $1 == "U" { sub(/^ *U /, ""); used[$0] = 1; next }
  NF >= 3 { sub(/^[0-9a-f]+ [A-Za-z] /, ""); defined[$0] = 1 }
  END {
    for (name in used) {
      if (name in defined) continue
      own = name ~ /\(/ && name !~ /^(std::|operator |__gnu_cxx::|__cxxabiv1::)/ && name !~ seam
      if (own || name ~ outside) { print "game/ calls " name; bad = 1 }
    }
    if (!bad) print "the game library calls only the seam"
    exit bad
  }'
