#!/bin/sh
# Starts the real quillfold on a private X server and accessibility bus and
# works its check boxes as a screen reader does (AT-SPI's Toggle) and by
# mouse clicks: each time, the controls of the option show or hide and
# Check1's caption follows. Also checks that the window is a frame named by
# its caption. Skipped (77) without pyatspi or dbus-run-session.
# Usage: accessibility_test.sh PATH_TO_QUILLFOLD
# With QUILLFOLD_SCREENSHOT=FILE.png set, it saves the screen after the
# toggles (with ImageMagick's import).
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
# The system's Python, which python3-pyatspi serves.
python=/usr/bin/python3
if [ -z "${QUILLFOLD_ON_PRIVATE_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null && "$python" -c 'import pyatspi' 2>/dev/null || {
    echo "accessibility: needs dbus-run-session and python3-pyatspi; skipped"
    exit 77
  }
  # The accessibility bus's socket goes into the runtime folder: a private
  # one, away from the session's and from tests run beside this one.
  runtime=$(mktemp -d)
  unset AT_SPI_BUS_ADDRESS
  status=0
  XDG_RUNTIME_DIR=$runtime QUILLFOLD_ON_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@" || status=$?
  rm -rf "$runtime"
  exit "$status"
fi
fail() {
  echo "accessibility: $*" >&2
  exit 1
}

. "$here/../../../testing/window_script.sh"
start_work_folder
start_xvfb
# The accessibility bus, started before the program looks for it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null || fail "no accessibility bus"

(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
  exec "$program" <&- >&-) 2>"$work/program.log" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Quillfold( from .+)?$' | head -n 1)
[ -n "$window" ] || fail "no window appeared: $(cat "$work/program.log")"
atspi() { "$python" "$here/atspi_window.py" "$@" || fail "after: $steps"; }
steps="start"
atspi frame
atspi expect off off

# A screen reader's Toggle ticks and clears the boxes without a click.
for step in "toggle 1/on off" "toggle 2/on on" "toggle 1/off on" "toggle 2/off off" \
  "toggle 2/off on" "toggle 1/on on" "toggle 2/on off"; do
  steps="$steps, ${step%/*}"
  atspi ${step%/*}
  atspi expect ${step#*/}
done
[ -z "${QUILLFOLD_SCREENSHOT:-}" ] || import -window root "$QUILLFOLD_SCREENSHOT"

# So do clicks on their tick marks.
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
click() {  # x y, relative to the window's client area
  xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1
}
for step in "32 292/on on" "32 236/off on" "32 292/off off"; do
  steps="$steps, click ${step%/*}"
  click ${step%/*}
  atspi expect ${step#*/}
done
echo "accessibility: the options follow the boxes toggled through AT-SPI and clicked"
