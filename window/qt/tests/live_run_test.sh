#!/bin/sh
# The real quillfold keeps answering through a long run: a paged run whose
# every page write a slow disk holds back (about 12 seconds in all), while
# a window manager's _NET_WM_PING goes to the window four times a second
# and must be answered within a second each time; first the window is
# asked to close, as by its close button. Clicks and keys given meanwhile
# do nothing, the window repaints when uncovered, and the pages come out
# whole, each once.
# Usage: live_run_test.sh PATH_TO_QUILLFOLD
set -eu
program=$1
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "live run: $*" >&2
  exit 1
}

here=$(dirname "$0")
. "$here/../../../testing/window_script.sh"
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

# From the log, two tabs reach the folder list, where "site" is one line
# down. Then Check2 is ticked, which shows the links-per-page box before
# it; its "95" becomes "1". Three Shift+Tabs go back to Step 2.
xdotool key --delay 50 Tab Tab Down Return
sleep 0.5
xdotool key --delay 50 Tab Tab space shift+Tab End BackSpace BackSpace 1 \
  shift+Tab shift+Tab shift+Tab space
wait_until 20 test -e "$work/parent/site/index1.html" ||
  fail "the run did not start: $(cat "$work/program.log")"
started=$(date +%s)

# As a window manager pings: to the window, which answers to the root; the
# system's Python, which python3-xlib serves.
/usr/bin/python3 - "$window" 8 >"$work/ping.log" 2>&1 <<'PYTHON' &
import sys, time
from Xlib import X, display
from Xlib.protocol.event import ClientMessage

screen = display.Display()
root = screen.screen().root
window = screen.create_resource_object("window", int(sys.argv[1]))
protocols = screen.intern_atom("WM_PROTOCOLS")
ping = screen.intern_atom("_NET_WM_PING")
delete = screen.intern_atom("WM_DELETE_WINDOW")
if ping not in window.get_wm_protocols():
    sys.exit("the window does not take _NET_WM_PING")
# The answer goes to the root for its structure events, which a window
# manager hears as the root's redirecting client and this one by asking.
root.change_attributes(event_mask=X.StructureNotifyMask)

def send(*data):
    message = ClientMessage(window=window, client_type=protocols, data=(32, list(data)))
    window.send_event(message, event_mask=X.NoEventMask)
    screen.flush()

send(delete, X.CurrentTime, 0, 0, 0)
start = time.monotonic()
answers, slowest = 0, 0.0
while time.monotonic() - start < float(sys.argv[2]):
    stamp = answers + 1
    sent = time.monotonic()
    send(ping, stamp, window.id, 0, 0)
    answered = False
    while not answered and time.monotonic() - sent < 1:
        while not answered and screen.pending_events():
            event = screen.next_event()
            answered = (event.type == X.ClientMessage and event.window.id == root.id
                        and list(event.data[1][:2]) == [ping, stamp])
        time.sleep(0.01)
    if not answered:
        sys.exit("no answer to _NET_WM_PING within a second, %.1f s in" % (sent - start))
    slowest = max(slowest, time.monotonic() - sent)
    answers += 1
    time.sleep(0.25)
print("ping: %d answers in %s s, the slowest after %d ms" % (answers, sys.argv[2], slowest * 1000))
PYTHON
ping_pid=$!
# Step 2 clicked, Space, Enter and Alt+F4: none may reach the window.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --sync $((X + 400)) $((Y + 200)) click 1 key space Return alt+F4
repainted=yes
check_repaints "$window" || repainted=no
status=0
wait "$ping_pid" || status=$?
cat "$work/ping.log"
[ "$status" -eq 0 ] || fail "the window did not answer during the run"
[ "$repainted" = yes ] || fail "the window did not repaint during the run"
run_ended && fail "the run ended before the checks did: they prove nothing"

wait_until 40 run_ended || fail "the run did not end"
echo "live run: the run took about $(($(date +%s) - started)) s"
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "the program ended during the run: $(cat "$work/program.log")"
check_live_pages

# A termination request during a second run lands on the window's thread
# while the run's thread writes (strace holds the write's return): the
# program ends by that signal once the write is whole, as the command line
# does.
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
