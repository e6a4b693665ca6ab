#!/bin/sh
# quillfold.exe under Wine keeps answering while it lists a folder that a
# slow disk holds back (8 seconds at least) and through a long run: a paged run
# whose every page write a slow disk holds back (about 12 seconds in all)
# while liveness_check.exe asks the window four times a second whether it
# answers, as Windows does before it calls a window "Not Responding", and
# first asks it to close. Clicks and keys given meanwhile do nothing, the
# window repaints when uncovered, and the pages come out whole, each once.
# While the folder is listed, too, the window answers, repaints, refuses to
# close and drops keys.
# Usage: live_run_test.sh WINE_RUN PREFIX QUILLFOLD_EXE LIVENESS_CHECK_EXE
# (WINE_RUN PREFIX is the build's CMAKE_CROSSCOMPILING_EMULATOR.)
set -eu
wine_run=$1
prefix=$2-live
program=$3
check=$4
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "${wineserver:-}" ] && WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "live run: $*" >&2
  exit 1
}

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../testing/window_script.sh"
. "$here/../../../testing/live_run.sh"
# A prefix of its own: the end-to-end test, which may run meanwhile, ends
# the Wine session of its prefix.
use_wine_prefix "$wine_run" "$prefix"
start_xvfb

make_live_site
cd "$work/parent"
status=0
start_slowly "$work/app.pid" "$wine" "$program" >"$work/program.log" 2>&1 || status=$?
[ "$status" -ne 77 ] || { echo "live run: skipped, strace cannot trace here"; exit 77; }
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Quillfold( from .+)?$' |
  head -n 1)
[ -n "$window" ] || fail "no window appeared: $(cat "$work/program.log")"
sleep 3
xdotool windowfocus --sync "$window"
sleep 0.5

check_live_listing "$window" "$wine" "$check" 3
check_live_run "$window" "$wine" "$check" 8
echo "live run: quillfold.exe answered throughout, refused to close and wrote every page once"
