#!/bin/sh
# Installs the Debian 12 packages Quillfold needs to build, test and package,
# skipping the update when everything is already there.
# The Debian package's own build and its tests need what debian/control's
# Build-Depends name (CMake, Qt, GoogleTest, Xvfb, xdotool, Chromium, the
# locales, python3-xlib and strace for the windows' tests during a long
# run, ...); apt installs those from there. Besides them:
# the sanitizer and fuzz builds: clang; the style check: clang-format; the
# benchmarks: tree; the window's font: fonts-dejavu-core;
# the package checks: dpkg-buildpackage with debhelper, lintian,
# hardening-check from devscripts, file, autopkgtest and the window test's
# xauth and python3-xlib, reprotest with faketime and diffoscope; the
# window's accessibility test: python3-pyatspi, at-spi2-core and a session
# bus of its own (dbus-daemon's dbus-run-session);
# the Windows build (preset windows): mingw-w64, NSIS, and Wine to run its
# tests; its window's end-to-end test reads the clipboard through Tk
# (python3-tk); its downloads are signed with osslsigncode, with a test
# certificate that openssl makes.
set -e
cd "$(dirname "$0")/.."
packages="g++ make clang clang-format libclang-rt-14-dev tree fonts-dejavu-core
  dpkg-dev debhelper lintian devscripts file autopkgtest xauth python3-xlib
  reprotest faketime diffoscope-minimal python3-pyatspi at-spi2-core dbus-daemon
  g++-mingw-w64-x86-64-posix nsis wine wine64 python3-tk osslsigncode openssl"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
    missing="$missing $package"
done
build_depends_met() {
  command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps 2>/dev/null
}
[ -z "$missing" ] && build_depends_met && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
install="$sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends"
[ -z "$missing" ] || $install install $missing
build_depends_met || $install build-dep ./
