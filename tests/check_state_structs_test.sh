#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The state check on planted objects: one small source compiled per case, and whether the check
# passes on it. $1: the C++ compiler.
compiler="${1:-c++}"
dir=$(mktemp -d) failures=0
trap 'rm -rf "$dir"' EXIT
while IFS='|' read -r source expected; do
  printf '%s\n' "$source" >"$dir/planted.cpp"
  "$compiler" -std=c++17 -O2 -fPIE -c "$dir/planted.cpp" -o "$dir/planted.o" || { failures=$((failures + 1)); continue; }
  if "$(dirname "$0")/../tools/check-state-structs.sh" "$dir/planted.o" >/dev/null; then got=pass; else got=fail; fi
  [ "$got" = "$expected" ] || { echo "'$source' should $expected, did $got"; failures=$((failures + 1)); }
done <<'CASES'
int planted;|fail
int planted = 3;|fail
namespace { int planted = 3; } int* use() { return &planted; }|fail
static char planted[8]; char* use() { return planted; }|fail
int& calls() { static int planted = 1; return planted; }|fail
thread_local int planted;|fail
struct S { int a = 2; }; S screenState; S shellState;|pass
constexpr const char* kNames[] = {"a", "b"}; const char* const* use() { return kNames; }|pass
const int kLimit = 4; const int* use() { return &kLimit; }|pass
CASES
[ $failures -eq 0 ] && echo "the state check passes and fails as it must on every planted object"
exit $failures
