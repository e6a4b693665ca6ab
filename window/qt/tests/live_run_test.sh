#!/bin/sh
# The real quillfold keeps answering while it lists a folder that a slow
# disk holds back (8 seconds) and through a long run: a paged run whose
# every page write a slow disk holds back (about 12 seconds in all), while
# a window manager's _NET_WM_PING goes to the window four times a second
# and must be answered within a second each time; first the window is
# asked to close, as by its close button. Clicks and keys given meanwhile
# do nothing, the window repaints when uncovered, and the pages come out
# whole, each once. While the folder is listed, too, the window answers,
# repaints, refuses to close and drops keys.
# Usage: live_run_test.sh PATH_TO_QUILLFOLD
set -eu
program=$1
fail() {
  echo "live run: $*" >&2
  exit 1
}

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../testing/window_script.sh"
start_work_folder
. "$here/../../../testing/live_run.sh"
start_xvfb

make_live_site
cd "$work/parent"
# X on this display, whatever platform the environment asks for.
QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORM
status=0
start_slowly "$work/app.pid" "$program" 2>"$work/program.log" || status=$?
tracer_pid=$!
[ "$status" -ne 77 ] || { echo "live run: skipped, strace cannot trace here"; exit 77; }
window=$(timeout 20 xdotool search --sync --name '^Quillfold( from .+)?$' | head -n 1)
[ -n "$window" ] || fail "no window appeared: $(cat "$work/program.log")"
app_pid=$(cat "$work/app.pid")
xdotool windowfocus --sync "$window"

# As a window manager pings; the system's Python, which python3-xlib serves.
check_live_listing "$window" /usr/bin/python3 "$here/wm_ping.py" "$window" 3
check_live_run "$window" /usr/bin/python3 "$here/wm_ping.py" "$window" 8

# A termination request during a second run, while the run's thread
# writes (strace holds the write's return), taken by whichever thread the
# kernel picks (the window's, as a rule): the program ends by that signal
# once the write is whole, as the command line does.
first_page=$(wc -c <"$work/parent/site/index1.html")
cp -R "$work/parent/site" "$work/first-run"
xdotool windowfocus --sync "$window" key space
grown() { [ "$(wc -c <"$work/parent/site/index1.html")" -eq $((2 * first_page)) ]; }
wait_until 10 grown || fail "Space on Step 2 started no second run"
kill -TERM "$app_pid"
status=0
wait "$tracer_pid" || status=$?
app_pid=""
[ "$status" -eq 143 ] || fail "SIGTERM during a run gave exit status $status, not 143 (SIGTERM)"
cmp -s "$work/first-run/index.html" "$work/parent/site/index.html" ||
  fail "the ended run wrote the master index"
# Each page holds its one record, or that record twice: whole records only.
for page in "$work"/first-run/index*.html; do
  now=$work/parent/site/$(basename "$page")
  cmp -s "$page" "$now" || cat "$page" "$page" | cmp -s - "$now" ||
    fail "$(basename "$page") holds part of a record after SIGTERM"
done
echo "live run: quillfold answered throughout, refused to close, wrote every page once and ended by SIGTERM after a whole write"
