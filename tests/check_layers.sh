#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Fails when a layer reaches above itself: the game world includes SDL or anything of the
# screens, the shell or the tools; the screens include anything of the shell or the tools, or
# reach for windows, events or audio; the shell outside the SDL platform includes the platform.
top="$1"
bad=0
if grep -rn -E '#include *[<"]SDL' "$top/game"; then
  echo "game/ must not include SDL"; bad=1
fi
if grep -rn -E '#include *[<"](\./|\.\./)*(screens|shell|tools)/' "$top/game"; then
  echo "game/ must not include screens/, shell/ or tools/"; bad=1
fi
if grep -rn -E '#include *[<"](\./|\.\./)*(shell|tools)/' "$top/screens"; then
  echo "screens/ must not include shell/ or tools/"; bad=1
fi
# The SDL platform (shell/sdl_*) is linked only into the game: the rest of the shell, which the
# tests link with the fake, includes none of it, and a header that does is itself sdl_*.
platform=$(find "$top/shell" -type f ! -name 'sdl_*' ! -name main.cpp \
  -exec grep -H -n -E '#include *[<"](\./|\.\./)*(shell/)?sdl_' {} +)
if [ -n "$platform" ]; then
  echo "$platform"
  echo "shell/ outside sdl_* and main.cpp must not include the SDL platform's sdl_* headers"; bad=1
fi
if grep -rn -E 'SDL_(CreateWindow|PollEvent|WaitEvent|GetWindow|ShowWindow|HideWindow|OpenAudio|Delay|GetTicks)|Mix_|#include *[<"]SDL_(mixer|audio|video|events)' "$top/screens"; then
  echo "screens/ must not touch windows, events, timing or audio"; bad=1
fi
[ $bad -eq 0 ] && echo "layers ok"
exit $bad
