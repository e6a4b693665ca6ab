#!/bin/sh
# Installs what is missing, builds, and runs every test: once in the
# optimised build, once under AddressSanitizer and UndefinedBehaviorSanitizer,
# once for Windows under Wine, and once in the Debian package's own build;
# then checks the Debian package and that the package and the Windows
# downloads build reproducibly, and fuzzes. CI runs this.
# Usage: test.sh         everything
#        test.sh quick   the optimised build and Windows under Wine only,
#                        for everyday work
set -e
case ${1-} in
'') presets="default asan windows" ;;
quick) presets="default windows" ;;
*)
  echo "usage: scripts/test.sh [quick]" >&2
  exit 2
  ;;
esac
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
# seconds since the step began, for the log
took() { echo "test.sh: $1 took $(($(date +%s) - $2)) s"; }

# windows: cross-built with mingw-w64; its tests run under Wine (6-7 minutes).
for preset in $presets; do
  started=$(date +%s)
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
  took "preset $preset" "$started"
done
[ "${1-}" != quick ] || exit 0

# Builds that dpkg-buildpackage makes write next to their source, so they
# run on copies in a scratch folder, kept when a step fails.
scratch=$(mktemp -d /tmp/quillfold-test.XXXXXX)
# Open to all: some tests hand folders of the build tree to the user nobody.
chmod 755 "$scratch"
echo "test.sh: package builds in $scratch"
# The source package and the .deb, with the test suite built and run with
# Debian's own flags (-O2, _FORTIFY_SOURCE, build type None), as a
# distribution's builder runs it; lintian; autopkgtest.
started=$(date +%s)
scripts/check-package.sh "$scratch/package"
took "the Debian package" "$started"
# Two builds each, compared byte for byte; the suite already ran above.
for target in deb windows; do
  started=$(date +%s)
  scripts/check-reproducible.sh "$target" "$scratch/reproducible-$target"
  took "reproducible $target" "$started"
done
rm -rf "$scratch"

# Fuzzing: each target a minute from its corpus, with the sanitizers.
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
scripts/fuzz.sh
