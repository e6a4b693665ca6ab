#!/bin/sh
# Starts the real quillfold on a private X server and drives it with real X
# input events: open a folder in the folder list, tick the filter, type a
# text, press Step 2; then checks the files the run wrote. The program is
# started with standard input and output closed, as a desktop may start it.
# Usage: end_to_end_test.sh PATH_TO_QUILLFOLD
set -eu
program=$1
fail() {
  echo "end-to-end: $*" >&2
  exit 1
}

. "$(dirname "$0")/../../../testing/window_script.sh"
start_work_folder
start_xvfb

# The program starts in "parent", whose only visible sub-folder is "site".
mkdir -p "$work/parent/site" "$work/parent/.hidden"
for name in a.pdf b.txt c.pdf notes.pdf.txt; do printf x >"$work/parent/site/$name"; done
# The run lists names in the folder's own order; so does find.
expected=$(find "$work/parent/site" -mindepth 1 -maxdepth 1 -name '*.pdf*' -printf '%f\n')

# X on this display, whatever platform the environment asks for (CI
# machines often set QT_QPA_PLATFORM=offscreen).
(cd "$work/parent" && QT_QPA_PLATFORM=xcb exec "$program" <&- >&-) 2>"$work/program.log" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Quillfold( from .+)?$' | head -n 1)
[ -n "$window" ] || fail "no window appeared: $(cat "$work/program.log")"
# The closed descriptors were filled with /dev/null before anything else
# could take them.
for fd in 0 1; do
  [ "$(readlink "/proc/$app_pid/fd/$fd")" = /dev/null ] ||
    fail "descriptor $fd is $(readlink "/proc/$app_pid/fd/$fd"), not /dev/null"
done
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"

click() {  # x y, relative to the window's client area
  xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1
}

# The focus starts in the log: two tabs reach the folder list, where the
# current folder is highlighted; the next line down is "site".
xdotool key --delay 50 Tab Tab Down Return
click 32 236                    # Check1's tick mark
click 200 260                   # Text2, now shown
xdotool type --delay 20 '.pdf'
click 400 200                   # Command1

record() {
  printf '<body>\r\n<p><a href="%s">%s</a></p>\r\n<p></p>\r\n<body>\r\n' "$1" "$1"
}
for name in $expected; do record "$name"; done >"$work/expected.html"
if ! wait_until 15 cmp -s "$work/expected.html" "$work/parent/site/index1.html"; then
  ls -la "$work/parent" "$work/parent/site" >&2
  [ -f "$work/parent/site/index1.html" ] && od -c "$work/parent/site/index1.html" >&2
  fail "site/index1.html does not hold the expected records; program output: $(cat "$work/program.log")"
fi
check_site_kept a.pdf b.txt c.pdf notes.pdf.txt
kill -0 "$app_pid" || fail "the program ended during the run"
echo "end-to-end: the window wrote site/index1.html for: $(echo $expected)"

# Started on a folder, as a file manager's "Open With" starts it: the
# folder list is open on it, so Step 2 alone links its files. The filter
# and paging are off in a new window.
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
mkdir "$work/given"
printf x >"$work/given/only.txt"
(cd / && QT_QPA_PLATFORM=xcb exec "$program" "$work/given" <&- >&-) 2>"$work/program.log" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Quillfold( from .+)?$' | head -n 1)
[ -n "$window" ] || fail "no window appeared for a given folder: $(cat "$work/program.log")"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
click 400 200                   # Command1
record only.txt >"$work/expected.html"
wait_until 15 cmp -s "$work/expected.html" "$work/given/index1.html" ||
  fail "the window started on a folder did not link its file there"
echo "end-to-end: the window started on a folder wrote its index1.html"
