# Sourced by the tests of a window during a long run (after
# window_script.sh): a site whose run is made slow for real, and the
# checks of the pages it wrote. Needs the caller's scratch folder in $work
# and its fail function.

# The site's files, one link per page, and how long each page's write takes.
live_files=40
live_write_delay_us=300000
# How long each read of the entries of "slow", the site's sibling, takes: a
# listing makes two at least (entries, then the end), so opening it takes 8
# seconds.
live_list_delay_us=4000000

# make_live_site: the folder $work/parent/site holding $live_files files,
# and beside it $work/parent/slow holding a folder.
make_live_site() {
  mkdir -p "$work/parent/site" "$work/parent/slow/inner"
  (cd "$work/parent/site" && seq -f "file-%02g.txt" 1 "$live_files" | xargs touch)
}

# start_slowly PID_FILE COMMAND...: starts COMMAND in the background, every
# write to a page of the site held back $live_write_delay_us microseconds
# and every read of the entries of "slow" (getdents64, which Wine's
# NtQueryDirectoryFile also calls) $live_list_delay_us by strace, as a slow
# disk or network share holds them; the rest of the program runs at full
# speed. The calls held back are logged in $work/slowed.log. PID_FILE
# receives COMMAND's process id. Returns 77 (skipped) where nothing may be
# traced.
start_slowly() {
  pid_file=$1
  shift
  strace -f -qq -o /dev/null true 2>/dev/null || return 77
  pages="-P $work/parent/slow"
  page=1
  while [ "$page" -le "$live_files" ]; do
    pages="$pages -P $work/parent/site/index$page.html"
    page=$((page + 1))
  done
  # shellcheck disable=SC2086 # One -P and a path per page.
  strace -f -qq -o "$work/slowed.log" --seccomp-bpf -e trace=write,pwrite64,getdents64 \
    -e inject=write,pwrite64:delay_exit=$live_write_delay_us \
    -e inject=getdents64:delay_exit=$live_list_delay_us $pages \
    sh -c 'echo $$ >"$0"; exec "$@"' "$pid_file" "$@" &
}

# slow_listed: a listing of "slow" has asked for its last entry (the
# answer comes $live_list_delay_us later).
slow_listed() { grep -q 'getdents64.*= 0 (DELAYED)' "$work/slowed.log"; }

# run_ended: the run wrote its master index, its last file.
run_ended() { [ -s "$work/parent/site/index.html" ]; }

# check_live_pages: every page holds exactly one whole record, together
# one for each file, and the master index one for each page: nothing was
# written twice, by a click played back after the run, say.
check_live_pages() {
  python3 - "$work/parent/site" "$live_files" <<'PYTHON' || fail "the pages are not as the run writes them"
import os, sys
site, count = sys.argv[1], int(sys.argv[2])
record = lambda n: b'<body>\r\n<p><a href="%s">%s</a></p>\r\n<p></p>\r\n<body>\r\n' % (n, n)
files = {b"file-%02d.txt" % i for i in range(1, count + 1)}
by_record = {record(n): n for n in files}
linked = set()
for page in range(1, count + 1):
    data = open(os.path.join(site, "index%d.html" % page), "rb").read()
    if data not in by_record:
        sys.exit("index%d.html holds %r" % (page, data[:200]))
    linked.add(by_record[data])
if linked != files:
    sys.exit("the pages link %d of the %d files" % (len(linked), count))
master = b"".join(record(b"index%d.html" % page) for page in range(1, count + 1))
if open(os.path.join(site, "index.html"), "rb").read() != master:
    sys.exit("index.html is not the %d pages' links" % count)
if os.path.exists(os.path.join(site, "index%d.html" % (count + 1))):
    sys.exit("a page too many")
PYTHON
}

# check_live_listing WINDOW COMMAND...: opens "slow" in WINDOW's folder
# list, driven by its keys, and while the slow listing lasts runs COMMAND,
# which asks the window to close, then whether it answers, and fails when
# it does not. Meanwhile Up and Enter, which would open the folder above,
# must do nothing. Then the window must still
# be there, and the listing must end. Then the site is opened; the focus
# stays on Dir1.
check_live_listing() {
  window=$1
  shift
  # From Text1, two tabs reach Dir1, where "slow" is two lines down.
  xdotool key --delay 150 Tab Tab Down Down Return
  "$@" >"$work/liveness.log" 2>&1 &
  liveness_pid=$!
  xdotool key --delay 150 Up Return
  answered=yes
  wait "$liveness_pid" || answered=no
  cat "$work/liveness.log"
  [ "$answered" = yes ] || fail "the window did not answer while it listed a folder"
  ! slow_listed || fail "the listing ended before the checks did: they prove nothing"
  wait_until 20 slow_listed || fail "the listing of slow did not end"
  # strace logs the last read before it holds its return back.
  sleep $((live_list_delay_us / 1000000 + 1))
  xdotool getwindowname "$window" >/dev/null 2>&1 || fail "the window closed during the listing"
  # Up to the parent, and down to the site.
  xdotool windowfocus --sync "$window" key Up Return
  sleep 1
  xdotool key Down Return
  sleep 1
}

# open_live_site: from Text1, which has the focus, two tabs reach Dir1,
# where "site" is one line down, and open it.
open_live_site() {
  xdotool key --delay 150 Tab Tab Down Return
  sleep 0.5
}

# start_live_run: starts the site's run, one link per page, by the keys of
# the window, whose Dir1 has the focus with the site open; returns once the
# run's first page is there.
start_live_run() {
  # From Dir1, Check2 is ticked, which shows Text3 before it; its "95"
  # becomes "1". Three Shift+Tabs go back through Check1 and Dir1 to
  # Command1.
  xdotool key --delay 150 Tab Tab space shift+Tab End BackSpace BackSpace 1 \
    shift+Tab shift+Tab shift+Tab space
  wait_until 20 test -e "$work/parent/site/index1.html" || fail "the run did not start"
}

# check_live_run WINDOW COMMAND...: runs the site, open in WINDOW's Dir1,
# with one link per page, driven by its keys, and while the run lasts runs
# COMMAND, as check_live_listing does. Meanwhile a click on Step 2, Space,
# Enter and Alt+F4 must do nothing and the window must repaint. Then the
# window must still be there and the pages whole, each once.
check_live_run() {
  window=$1
  shift
  start_live_run
  started=$(date +%s)

  "$@" >"$work/liveness.log" 2>&1 &
  liveness_pid=$!
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --sync $((X + 400)) $((Y + 200)) click 1 key space Return alt+F4
  repainted=yes
  check_repaints "$window" || repainted=no
  answered=yes
  wait "$liveness_pid" || answered=no
  cat "$work/liveness.log"
  [ "$answered" = yes ] || fail "the window did not answer during the run"
  [ "$repainted" = yes ] || fail "the window did not repaint during the run"
  ! run_ended || fail "the run ended before the checks did: they prove nothing"

  wait_until 40 run_ended || fail "the run did not end"
  echo "live run: the run took about $(($(date +%s) - started)) s"
  sleep 2
  xdotool getwindowname "$window" >/dev/null 2>&1 || fail "the window closed during the run"
  check_live_pages
}

# check_repaints WINDOW: covers WINDOW with another window for a second
# and checks that, uncovered, it looks as it did: it painted itself again.
# Says what differs and returns 1 otherwise. With QUILLFOLD_SCREENSHOT=
# FILE.png set, the screen is saved once uncovered (with ImageMagick).
# The system's Python, which python3-xlib serves.
check_repaints() {
  # The pointer outside, so that no control shows it hovering.
  xdotool mousemove --sync 0 0
  sleep 0.5
  /usr/bin/python3 - "$1" <<'PYTHON' || return 1
import sys, time
from Xlib import X, display

screen = display.Display()
root = screen.screen().root
window = screen.create_resource_object("window", int(sys.argv[1]))
size = window.get_geometry()

def shot():
    return window.get_image(0, 0, size.width, size.height, X.ZPixmap, 0xFFFFFFFF).data

before = shot()
place = root.translate_coords(window, 0, 0)
cover = root.create_window(place.x, place.y, size.width, size.height, 0,
                           screen.screen().root_depth, X.InputOutput, X.CopyFromParent,
                           background_pixel=screen.screen().black_pixel, override_redirect=True)
cover.map()
screen.sync()
time.sleep(1)
cover.destroy()
screen.sync()
time.sleep(1)
after = shot()
differing = sum(before[i:i + 4] != after[i:i + 4] for i in range(0, len(before), 4))
if differing:
    sys.exit("uncovered during the run, %d pixels of the window differ" % differing)
PYTHON
  [ -z "${QUILLFOLD_SCREENSHOT:-}" ] || import -window root "$QUILLFOLD_SCREENSHOT"
}
