#!/bin/sh
# Installs what is missing, builds, and runs every test: once in the
# optimised build, once under AddressSanitizer and UndefinedBehaviorSanitizer,
# and once with Debian's own build flags.
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
# windows: cross-built with mingw-w64; its tests run under Wine (6-7 minutes).
for preset in default asan windows; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
# Debian's build flags, as dpkg-buildflags gives them to a package build:
# fortified libc calls (CPPFLAGS, which CMake does not read by itself),
# format strings checked, -O2. Build type None adds no flags of CMake's own.
cmake -S . -B build/distro -DCMAKE_BUILD_TYPE=None -DQUILLFOLD_WERROR=ON \
  -DQUILLFOLD_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build/distro -j "$jobs"
ctest --test-dir build/distro -j "$jobs" --output-on-failure
# Fuzzing: each target a minute from its corpus, with the sanitizers.
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
scripts/fuzz.sh
