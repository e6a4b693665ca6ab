#!/bin/sh
# Starts the real quillfold.exe under Wine on a private X server and drives
# it with real key presses: open a folder in Dir1, tick the filter, type
# ".pdf", press Step 2, and check the bytes the run wrote and the log, copied
# from Text1 through the clipboard; then a links per page that is no number
# must give the error box, the window carries on and Text1 keeps the log.
# Last, options_check.exe sets the check boxes from outside the program.
# Usage: end_to_end_test.sh WINE_RUN PREFIX PATH_TO_QUILLFOLD_EXE
#        PATH_TO_OPTIONS_CHECK_EXE
# (WINE_RUN PREFIX is the build's CMAKE_CROSSCOMPILING_EMULATOR.) With
# QUILLFOLD_SCREENSHOT=FILE.png set, it saves the screen after the run.
set -eu
wine_run=$1
prefix=$2-window
program=$3
options_check=$4
fail() {
  echo "end-to-end: $*" >&2
  exit 1
}

# The window needs a prefix whose desktop was made with a display: a prefix
# of its own.
. "$(dirname "$0")/../../../testing/window_script.sh"
start_work_folder
use_wine_prefix "$wine_run" "$prefix"
start_xvfb

# The program starts in "parent", whose only sub-folder is "site".
mkdir -p "$work/parent/site"
for name in a.pdf b.txt c.pdf notes.pdf.txt; do printf x >"$work/parent/site/$name"; done
# More names than Text1 takes at once, so the log also goes in by steps.
(cd "$work/parent/site" && seq -f "more-%03g.pdf" 1 500 | xargs touch)

(cd "$work/parent" && exec "$wine" "$program") >"$work/program.log" 2>&1 &
app_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Quillfold( from .+)?$' |
  head -n 1)
[ -n "$window" ] || fail "no window appeared: $(cat "$work/program.log")"
windows() { xdotool search --onlyvisible --name '^Quillfold( from .+)?$' 2>/dev/null | wc -l; }
error_box_shown() { [ "$(windows)" -ge 2 ]; }
error_box_closed() { [ "$(windows)" -eq 1 ]; }
# No window manager runs on the private display: the test gives the window
# the keyboard itself, once Wine has put the focus on the first control.
sleep 3
xdotool windowfocus --sync "$window"
sleep 0.5

# The focus starts in Text1; two tabs reach Dir1, where the open folder is
# highlighted; the next line down is "site", which Enter opens. Then Check1
# is ticked with Space, which shows Text2, and ".pdf" is typed there.
# Shift+Tab goes back through Check1 and Dir1 to Command1.
xdotool key --delay 150 Tab Tab Down Return
sleep 0.5
xdotool key --delay 150 Tab space Tab
xdotool type --delay 50 '.pdf'
xdotool key --delay 150 shift+Tab shift+Tab shift+Tab space

# The records of a.pdf, c.pdf, notes.pdf.txt and the 500 more-NNN.pdf, in
# the order the folder lists them, whole and nothing else; with a file
# named, that order is written to it, one name a line.
check_records() {
  python3 - "$work/parent/site/index1.html" "$@" <<'PYTHON'
import sys
data = open(sys.argv[1], "rb").read()
names = ["a.pdf", "c.pdf", "notes.pdf.txt"] + ["more-%03d.pdf" % i for i in range(1, 501)]
record = lambda n: b'<body>\r\n<p><a href="%s">%s</a></p>\r\n<p></p>\r\n<body>\r\n' % (
    n.encode(), n.encode())
records = {record(n): n for n in names}
pos, found = 0, []
while pos < len(data):
    end = data.find(b"<body>\r\n", data.find(b"<p></p>", pos))
    n = records.get(data[pos:end + 8])
    if n is None:
        sys.exit("unexpected bytes at %d: %r" % (pos, data[pos:pos + 60]))
    found.append(n)
    pos = end + 8
if sorted(found) != sorted(names):
    sys.exit("records for %s" % found)
if len(sys.argv) > 2:
    open(sys.argv[2], "w").write("".join(n + "\n" for n in found))
PYTHON
}
records_written() { [ -f "$work/parent/site/index1.html" ] && check_records 2>/dev/null; }
if ! wait_until 20 records_written; then
  ls -la "$work/parent" "$work/parent/site" >&2
  [ -f "$work/parent/site/index1.html" ] && check_records
  [ -z "${QUILLFOLD_SCREENSHOT:-}" ] || import -window root "$QUILLFOLD_SCREENSHOT"
  fail "site/index1.html does not hold the expected records: $(cat "$work/program.log")"
fi
check_site_kept a.pdf b.txt c.pdf notes.pdf.txt
if [ -n "${QUILLFOLD_SCREENSHOT:-}" ]; then
  sleep 1
  import -window root "$QUILLFOLD_SCREENSHOT"
fi
cp "$work/parent/site/index1.html" "$work/after-first-run.html"

# The log lists the names in the order of the records. Text1 is one
# Shift+Tab back from Command1; Wine gives what it copies to the X
# clipboard, read here through Tk. Tab then returns to Command1. The log
# fills in timer steps after the run, so the copy is taken again until it
# is whole.
check_records "$work/linked-names.txt"
log_copied() {
  xdotool key --delay 150 shift+Tab ctrl+a ctrl+c Tab
  sleep 0.5
  python3 - "$work/linked-names.txt" 2>"$work/log-check.txt" <<'PYTHON'
import sys, tkinter
root = tkinter.Tk()
root.withdraw()
log = root.clipboard_get().replace("\r\n", "\n")
expected = open(sys.argv[1]).read()
if log != expected:
    sys.exit("Text1 holds %d lines, %r ... %r" % (log.count("\n"), log[:40], log[-40:]))
PYTHON
}
wait_until 15 log_copied || fail "Text1 does not show the linked names: $(cat "$work/log-check.txt")"

# From Command1, four tabs reach Check2 (Text3 is hidden); ticking it shows
# Text3, where "95" becomes "abc". Step 2 must then fail with error 13
# before writing anything, in a message box over the window.
xdotool key --delay 150 Tab Tab Tab Tab space shift+Tab End BackSpace BackSpace
xdotool type --delay 50 'abc'
xdotool key --delay 150 shift+Tab shift+Tab shift+Tab shift+Tab space
wait_until 20 error_box_shown || fail "no error box appeared for links per page abc"
cmp -s "$work/after-first-run.html" "$work/parent/site/index1.html" ||
  fail "the failed run changed index1.html"
[ ! -e "$work/parent/site/index.html" ] || fail "the failed run wrote a master index"
# Enter closes the box; the window carries on.
xdotool key Return
wait_until 10 error_box_closed || fail "the error box did not close"
kill -0 "$app_pid" || fail "the program ended after the error"
# The focus is back on Command1, and that run failed before it cleared the
# log, so Text1 still lists the first run's names. The keyboard is given to
# the window again, as no window manager does it here. The clipboard is
# emptied first (Tk takes it and ends): only a copy from Text1 can fill it.
xdotool windowfocus --sync "$window"
python3 -c 'import tkinter; root = tkinter.Tk(); root.withdraw(); root.clipboard_clear(); root.update()'
wait_until 15 log_copied ||
  fail "after the error box, no log copied from Text1 one Shift+Tab before Command1: $(cat "$work/log-check.txt")"
echo "end-to-end: quillfold.exe wrote site/index1.html, reported links per page abc and kept its log"

# Started on a folder, as Explorer's "Open in Quillfold" starts it: Dir1
# is open on it, so Step 2 alone (Command1, one Tab from Text1) links its
# file there. Its name ends in a dot and a blank, as another system may
# name it, beside the folder Windows' own shortening of it would open.
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
mkdir "$work/given" "$work/given. "
printf x >"$work/given. /only.txt"
given=$(printf 'Z:%s' "$work/given. " | tr / '\\')
(cd "$work/parent" && exec "$wine" "$program" "$given") >"$work/program.log" 2>&1 &
app_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Quillfold( from .+)?$' |
  head -n 1)
[ -n "$window" ] || fail "no window appeared for a given folder: $(cat "$work/program.log")"
sleep 3
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --delay 150 Tab space
given_linked() {
  printf '<body>\r\n<p><a href="only.txt">only.txt</a></p>\r\n<p></p>\r\n<body>\r\n' |
    cmp -s - "$work/given. /index1.html"
}
wait_until 20 given_linked || fail "the window started on '$given' did not link its file there"
[ ! -e "$work/given/index1.html" ] || fail "the window wrote into 'given', not '$given'"
echo "end-to-end: quillfold.exe started on a folder wrote its index1.html"

# The check boxes set from outside, without a click: the options follow.
"$wine" "$options_check" || fail "the options did not follow BM_SETCHECK and BM_CLICK"
echo "end-to-end: the options followed the check boxes set from outside"
