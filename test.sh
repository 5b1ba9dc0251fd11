#!/bin/sh
# Installs what is missing (Debian 12, as root), builds Tessaron and runs the whole test suite:
# first the normal build, then the tests and tessaron-lab under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")"
./tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
# Here the package test runs too: it installs the packages system-wide, then purges them.
(cd build && TESSARON_PACKAGE_TEST=1 ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTESSARON_SANITIZE=ON -DTESSARON_GAME=OFF >/dev/null
cmake --build build-asan -j"$jobs" --target unit-tests autopilot-tests tessaron-lab game-data
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs" -LE e2e)
