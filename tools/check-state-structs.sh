#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Fails when the screens or the shell keep a variable outside their two state structs: every
# writable data symbol (.bss, .data, thread-local; not the read-only tables) of the objects and
# archives given (the screens' and the shell's libraries) must be `screenState`, `shellState` or
# one of the few kept below, so that the one reset (`screenState = ScreenState{}`, `shellState =
# ShellState{}`) cannot miss a global. The SDL platform (shell/sdl_*.cpp) is not among them: its
# windows and sounds live as long as the process, and the tests put the fake in its place.
[ $# -gt 0 ] || { echo "usage: $0 OBJECT-OR-ARCHIVE..."; exit 2; }
# What must stay outside the structs, because assigning it from its defaults would leak or
# undo what it owns. Each is closed by its own procedure, never read back as game state.
kept='screenState
shellState
(anonymous namespace)::fontLookup
(anonymous namespace)::frameSlots
(anonymous namespace)::startFontconfig()::closeAtExit
(anonymous namespace)::randomNumber()::counter'
# fontLookup: the open SDL_ttf fonts and fontconfig's hold, closed by closeGameFonts.
# frameSlots: the frame surfaces kept for reuse through the whole run; a reset would leak them.
# closeAtExit: closes fontconfig once at exit.
# counter: keeps temporary file names apart when the system has no entropy yet.
status=0
for file in "$@"; do
  [ -f "$file" ] || { echo "missing: $file"; status=1; continue; }
  symbols=$(objdump -t -C "$file" 2>/dev/null) || { echo "unreadable: $file"; status=1; continue; }
  found=$(printf '%s\n' "$symbols" | awk -v kept="$kept" '
    BEGIN { n = split(kept, names, "\n"); for (i = 1; i <= n; ++i) allowed[names[i]] = 1 }
    # objdump: value, flags, section, then a tab, size and name; the name may hold blanks.
    # Objects (O) in .bss or .data, and anything thread-local.
    index($0, "\t") {
      split($0, halves, "\t")
      if (halves[1] !~ / O (\.bss|\.data)/ && halves[1] !~ / \.t(bss|data)/ || halves[1] ~ /\.data\.rel\.ro/) next
      name = halves[2]; sub(/^[0-9a-f]+ +/, "", name); sub(/^\.hidden /, "", name)
      sub(/^guard variable for /, "", name); sub(/\[abi:cxx11\]/, "", name)
      if (name ~ /^(DW\.ref\.|_+asan|_+ubsan|__odr_asan\.|\.L)/ || name in allowed) next
      print name
    }' | sort -u)
  if [ -n "$found" ]; then
    printf '%s keeps state outside ScreenState and ShellState:\n%s\n' "$file" "$found"
    status=1
  fi
done
[ $status -eq 0 ] && echo "the screens and the shell keep their state in screenState and shellState"
exit $status
