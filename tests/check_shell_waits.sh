#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Fails when the screens or the shell wait anywhere but where the window keeps answering: the one
# event loop's wait, the replay viewer's, the score lock's short naps (which keep the window
# painting between tries) and the message box shown before any window opens. A slide or a pause
# drawn in a loop of its own with a sleep, or a modal box in the middle of play, freezes the window
# for the desktop and departs from the replays; the flow runs on ticks instead.
# Arguments: static libraries and object files (a ';'-separated list counts as several).
waits='SDL_Delay|SDL_WaitEvent|SDL_WaitEventTimeout|SDL_ShowSimpleMessageBox|SDL_ShowMessageBox'
waits="$waits|sleep|usleep|nanosleep|clock_nanosleep|sched_yield|pause|sigsuspend|select|poll"
allowed='sdl_platform.cpp.o:SDL_WaitEvent sdl_platform.cpp.o:SDL_WaitEventTimeout
sdl_replay_watch.cpp.o:SDL_WaitEventTimeout file_lock.cpp.o:nanosleep
sdl_message_box.cpp.o:SDL_ShowSimpleMessageBox'
found=0
for arg in "$@"; do
  for file in $(printf '%s\n' "$arg" | tr ';' ' '); do
    [ -f "$file" ] || { echo "no object or library at $file"; exit 1; }
    found=1
    # nm -A names the member of an archive, or the object itself, before each symbol.
    nm -A "$file" | awk -v waits="^($waits)$" -v allowed="$allowed" '
      BEGIN { n = split(allowed, list, /[ \n]+/); for (i = 1; i <= n; i++) ok[list[i]] = 1 }
      $(NF - 1) == "U" && $NF ~ waits {
        object = $1; sub(/:$/, "", object); sub(/.*:/, "", object); sub(/.*\//, "", object)
        if (!((object ":" $NF) in ok)) { print object " waits with " $NF; bad = 1 }
      }
      END { exit bad }' || exit 1
  done
done
[ $found -eq 1 ] || { echo "nothing to check"; exit 1; }
echo "the screens and the shell wait only in the event loops and the lock's naps"
