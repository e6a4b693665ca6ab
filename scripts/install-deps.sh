#!/bin/sh
# Installs the Debian 12 packages Quillfold needs to build, test and package,
# skipping the update when everything is already there.
# Package checks: lintian; hardening-check from devscripts; man and groff to
# render the manual pages; rsvg-convert (librsvg2-bin) draws the icons.
# The Windows build (preset windows): mingw-w64, and Wine to run its tests;
# its window's end-to-end test reads the clipboard through Tk (python3-tk).
set -e
packages="cmake g++ make clang clang-format libclang-rt-14-dev libgtest-dev libgmock-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev libxcb1-dev xvfb xdotool
  fonts-dejavu-core locales tree desktop-file-utils appstream dpkg-dev file
  python3 chromium librsvg2-bin lintian devscripts man-db groff-base
  g++-mingw-w64-x86-64-posix wine wine64 nsis python3-tk"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
