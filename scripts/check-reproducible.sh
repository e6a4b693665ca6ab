#!/bin/sh
# Builds twice from this checkout and fails unless both builds give the same
# bytes; diffoscope then shows where they differ.
#   scripts/check-reproducible.sh deb|windows [WORK]
# deb: reprotest builds the Debian package twice with nocheck (the test
#   suite runs in scripts/check-package.sh), the second build in another
#   folder, over a year later (faketime), in another time zone, locale,
#   umask, home folder, PATH, kernel personality, CPU count and with other
#   environment variables and address-space layout; it compares the .deb
#   files (the package and its debugging symbols). Not varied: the user
#   (that needs a second account), the host and domain name (a namespace of
#   their own) and the order folders list their files in (disorderfs, a FUSE
#   file system).
# windows: the programs, the portable zip and the installer of the preset
#   windows (tests and benchmarks left out), built in two folders of
#   different depth, the second a year and a day later in another time
#   zone, locale and umask; the five files must be identical. Both builds
#   are unsigned: a signature holds the time it was made, and signing adds
#   only the signature to the unsigned bytes (the test command checks that).
# WORK (default: a new folder under /tmp) receives the builds and logs.
set -eu
what=$1
checkout=$(cd "$(dirname "$0")/.." && pwd)
work=${2:-$(mktemp -d /tmp/quillfold-reproducible.XXXXXX)}
mkdir -p "$work"

fail() {
  echo "check-reproducible: $*" >&2
  exit 1
}

started=$(date +%s)
case $what in
deb)
  rm -rf "$work/source" "$work/reprotest"
  "$checkout/packaging/copy-source.sh" "$checkout" "$work/source/quillfold"
  if ! reprotest --verbosity=1 --min-cpus=2 --vary=-user_group,-domain_host,-fileordering \
    --store-dir="$work/reprotest" \
    -c 'DEB_BUILD_OPTIONS="nocheck parallel=2" dpkg-buildpackage -us -uc -b -Pnocheck' \
    "$work/source/quillfold" '../*.deb' -- null >"$work/reprotest.log" 2>&1; then
    tail -n 80 "$work/reprotest.log" >&2
    fail "the two builds of the Debian package differ (or one failed); diffoscope's report is in $work/reprotest"
  fi
  sed -n '/^Reproduction successful/,$p' "$work/reprotest.log"
  ;;

windows)
  rm -rf "$work/first" "$work/second"
  (umask 022 && TZ=UTC LC_ALL=C.UTF-8 "$0" windows-build "$work/first")
  (umask 002 && TZ=Pacific/Kiritimati LC_ALL=fr_FR.UTF-8 faketime -f +366d \
    "$0" windows-build "$work/second/one/folder/deeper")
  differ=""
  for file in packaging/windows/files/quillfold.exe packaging/windows/files/quillfold-cli.exe \
    packaging/windows/Uninstall.exe \
    Quillfold-*-windows-x64.zip Quillfold-*-setup.exe; do
    first=$(echo "$work"/first/quillfold/build/windows/$file)
    second=$(echo "$work"/second/one/folder/deeper/quillfold/build/windows/$file)
    [ -f "$first" ] && [ -f "$second" ] || fail "a build made no $file"
    if ! cmp -s "$first" "$second"; then
      diffoscope --text "$work/$(basename "$first").diffoscope" "$first" "$second" >/dev/null || true
      head -n 60 "$work/$(basename "$first").diffoscope" >&2
      differ="$differ $(basename "$first")"
    fi
  done
  [ -z "$differ" ] || fail "the two builds differ in:$differ (diffoscope's reports are in $work)"
  ;;

# One build of the windows preset's downloads from a copy in FOLDER.
windows-build)
  folder=$2
  "$checkout/packaging/copy-source.sh" "$checkout" "$folder/quillfold"
  cd "$folder/quillfold"
  {
    cmake --preset windows -DQUILLFOLD_BUILD_TESTS=OFF -DQUILLFOLD_BUILD_BENCH=OFF &&
      cmake --build --preset windows -j "$(nproc)" --target windows_installer
  } >"$folder/build.log" 2>&1 || {
    tail -n 40 "$folder/build.log" >&2
    fail "the build in $folder failed"
  }
  exit 0
  ;;

*)
  fail "usage: check-reproducible.sh deb|windows [WORK]"
  ;;
esac
echo "check-reproducible: $what: the two builds are identical ($(($(date +%s) - started)) s)"
