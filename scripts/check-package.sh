#!/bin/sh
# The Debian source package as a distribution takes it: dpkg-buildpackage
# -us -uc on a copy of this checkout builds the source package and the .deb
# and runs the test suite; then the .deb's contents and hardening are
# checked, lintian checks the .changes (source and binary), and autopkgtest
# runs debian/tests against the installed package.
#   scripts/check-package.sh [WORK]
# WORK (default: a new folder under /tmp) receives the copy, whose parent
# folder gets the packages, and the logs. Compiler warnings are errors here.
set -eu
checkout=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d /tmp/quillfold-package.XXXXXX)}
# Open to all: some tests hand folders of the build tree to the user nobody.
mkdir -p "$work"
chmod 755 "$work"
source_tree="$work/source/quillfold"

fail() {
  echo "check-package: $*" >&2
  exit 1
}

# step NAME COMMAND...: runs a step with its output in WORK/NAME.log, and
# says how long it took; on failure the log's end is shown.
step() {
  name=$1
  shift
  started=$(date +%s)
  if ! "$@" >"$work/$name.log" 2>&1; then
    tail -n 60 "$work/$name.log" >&2
    fail "$name failed; its whole log is $work/$name.log"
  fi
  echo "check-package: $name took $(($(date +%s) - started)) s"
}

rm -rf "$work/source"
"$checkout/packaging/copy-source.sh" "$checkout" "$source_tree"
version=$(cd "$source_tree" && dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
build_tree="$source_tree/obj-$(dpkg-architecture -q DEB_HOST_GNU_TYPE)"

build() {
  cd "$source_tree"
  DEB_BUILD_OPTIONS="parallel=$(nproc)" DEB_CXXFLAGS_APPEND=-Werror dpkg-buildpackage -us -uc
}
step dpkg-buildpackage build
# The test suite's own summary, from the build's log.
grep -E '^[0-9]+% tests passed|tests? (failed|skipped)|\*\*\*Skipped' "$work/dpkg-buildpackage.log" || true

deb="$work/source/quillfold_${version}_$arch.deb"
changes="$work/source/quillfold_${version}_$arch.changes"
"$checkout/packaging/check-deb.sh" contents "$deb" example.quillfold.Quillfold
"$checkout/packaging/check-deb.sh" hardening "$deb" "$build_tree"
# hardening-no-fortify-functions: see README ("Installing"); check-deb.sh
# hardening checks instead that every file was compiled with _FORTIFY_SOURCE.
"$checkout/packaging/check-deb.sh" lintian "$changes" error,warning,info hardening-no-fortify-functions

# autopkgtest on this machine installs the package and the tests' needs; the
# package is removed again unless it was installed before.
if ! dpkg-query -W -f='${Status}' quillfold 2>/dev/null | grep -q "ok installed"; then
  trap 'dpkg --purge quillfold >/dev/null 2>&1 || true' EXIT
fi
run_autopkgtest() {
  rm -rf "$work/autopkgtest"
  autopkgtest --output-dir "$work/autopkgtest" "$deb" "$work/source/quillfold_$version.dsc" -- null
}
step autopkgtest run_autopkgtest
cat "$work/autopkgtest/summary"
