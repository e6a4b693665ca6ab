#!/bin/sh
# Runs a Windows program under Wine, as the tests of a Windows build do:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
# PREFIX is a Wine prefix of the build's own, made on first use; no display
# is needed for console programs, and Wine's debugging messages are off.
set -e
prefix=$1
shift
WINEPREFIX=$prefix
WINEDEBUG=-all
# Skips the offers to install Mono and Gecko that a new prefix would make,
# and Wine's menu builder, which would write desktop entries for the
# installer's shortcuts into the user's own menus and can outlive the
# program that started it.
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
DISPLAY=
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES DISPLAY
# Wine keeps names on the POSIX side in the locale's character set; in
# UTF-8 every Windows name has one there.
if [ -z "$LC_ALL" ] && [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  LC_CTYPE=C.UTF-8
  export LC_CTYPE
fi

# Debian's wine64, which runs 64-bit programs without the 32-bit Wine.
wine=$(command -v wine64 || true)
[ -n "$wine" ] || [ ! -x /usr/lib/wine/wine64 ] || wine=/usr/lib/wine/wine64
[ -n "$wine" ] || wine=$(command -v wine || true)
if [ -z "$wine" ]; then
  echo "wine-run.sh: no wine64 found: install wine and wine64" >&2
  exit 127
fi
WINELOADER=$wine
export WINELOADER

# The first run makes the prefix. Tests run in parallel, so one of them
# makes it under a lock while the others wait; a prefix left half made by an
# interrupted run is made again.
if [ ! -f "$prefix/.made" ]; then
  (
    flock 9
    if [ ! -f "$prefix/.made" ]; then
      "$wine" wineboot --init >"$prefix.log" 2>&1 || true
      wineserver=$(dirname "$wine")/wineserver
      [ -x "$wineserver" ] || wineserver=wineserver
      "$wineserver" -w
      [ -f "$prefix/system.reg" ] || { cat "$prefix.log" >&2; exit 1; }
      touch "$prefix/.made"
    fi
  ) 9>"$prefix.lock"
fi
# Wine's server ends 3 seconds after its last program; a program that
# connects at that moment is refused before it runs ("wine client error:0:
# recvmsg: Connection reset by peer", seen in CI about once in 150 programs
# run two at a time). A short program run first, tried again when refused,
# leaves the server freshly in use for the program asked for.
for try in 1 2 3; do
  "$wine" cmd /c exit >/dev/null 2>&1 && break
  sleep 1
done
exec "$wine" "$@"
