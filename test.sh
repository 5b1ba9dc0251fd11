#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Installs what is missing (Debian 12, as root), builds Tessaron with warnings as errors and runs
# the whole test suite: first the normal build, then the unit and autopilot suites once more in
# one process each, shuffled and repeated (so that no test leans on another's leftovers), then
# the tests and tessaron-lab under AddressSanitizer and UndefinedBehaviorSanitizer.
# TESSARON_SHUFFLE_SEED=N repeats a shuffled run's order (its seed is printed).
set -eu
cd "$(dirname "$0")"
./tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARON_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
# Here the package test runs too: it installs the packages system-wide, then purges them.
(cd build && TESSARON_PACKAGE_TEST=1 ctest --output-on-failure -j"$jobs")

# ctest runs every case in a process of its own; here they share one, in a random order.
seed=${TESSARON_SHUFFLE_SEED:-$(( $(od -An -N4 -tu4 /dev/urandom | tr -d ' ') % 99999 + 1 ))}
echo "Unit and autopilot suites shuffled in one process, seed $seed (TESSARON_SHUFFLE_SEED=$seed repeats it)"
for suite in unit-tests autopilot-tests; do
  (cd build/tests && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
      ../bin/$suite --gtest_shuffle --gtest_repeat=2 --gtest_random_seed="$seed" --gtest_brief=1)
done

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTESSARON_SANITIZE=ON -DTESSARON_GAME=OFF -DTESSARON_WERROR=ON \
    >/dev/null
cmake --build build-asan -j"$jobs" --target unit-tests autopilot-tests tessaron-lab game-data
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs" -LE e2e)
