#!/bin/sh
# Installs what is missing, builds, and runs every test: once in the
# optimised build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
for preset in default asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
# Fuzzing: each target a minute from its corpus, with the sanitizers.
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
scripts/fuzz.sh
