#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The wait check on planted objects: one call compiled into an object of a given name per case,
# and whether the check passes. $1 is the C++ compiler.
cxx=$1 dir=$(mktemp -d) failures=0
trap 'rm -rf "$dir"' EXIT
while IFS='|' read -r object call expected; do
  rm -rf "${dir:?}"/* && mkdir "$dir/o"
  printf 'extern "C" void %s(int);\nvoid planted() { %s(20); }\n' "$call" "$call" >"$dir/planted.cpp"
  "$cxx" -c "$dir/planted.cpp" -o "$dir/o/$object" || exit 1
  if "$(dirname "$0")/check_shell_waits.sh" "$dir/o/$object" >/dev/null; then got=pass; else got=fail; fi
  [ "$got" = "$expected" ] || { echo "$object calling $call should $expected, did $got"; failures=$((failures + 1)); }
done <<'CASES'
sdl_platform.cpp.o|SDL_WaitEventTimeout|pass
sdl_platform.cpp.o|SDL_Delay|fail
sdl_windows.cpp.o|SDL_WaitEventTimeout|fail
level_transitions.cpp.o|usleep|fail
file_lock.cpp.o|nanosleep|pass
game_requests.cpp.o|nanosleep|fail
sdl_dialogs.cpp.o|SDL_ShowSimpleMessageBox|fail
CASES
[ $failures -eq 0 ] && echo "the wait check passes and fails as it must on every planted object"
exit $failures
