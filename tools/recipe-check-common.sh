# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# What the recipe checks share (sourced, not run): the scratch tree, the build's compile flags
# pointed at it, and the walk over the recipe's steps. The sourcing script defines `steps` (its
# step functions, in order), `fresh` (a new scratch copy in $tree) and `checks` (prints why and
# fails when the copy would not build), then calls `follow_recipe WHAT`. $1: the build's bin folder.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
tree="$work/tree"

# A target's compile flags from the build, the tree's own include folder pointed at the copy.
flags() {
  sed -n 's/^CXX_\(DEFINES\|INCLUDES\|FLAGS\) = //p' "$build/$1/CMakeFiles/$2.dir/flags.make" | tr '\n' ' ' |
    sed "s| -I$top | -I$tree |; s|^-I$top |-I$tree |"
}

# Today's tree passes; each step left out alone is caught and named; every step done passes.
follow_recipe() {
  fresh
  why=$(checks) || fail "today's tree does not pass the checks: $why"
  for left_out in $steps; do
    fresh
    for step in $steps; do [ "$step" = "$left_out" ] || "$step"; done
    caught=$(checks) && fail "$1 without its step '$left_out' passes every check"
    echo "without '$left_out': $caught"
  done
  fresh
  for step in $steps; do "$step"; done
  why=$(checks) || fail "$1 with every step of the recipe done fails: $why"
  echo "$1 added by HACKING.md's recipe builds, and each step left out is caught"
}
