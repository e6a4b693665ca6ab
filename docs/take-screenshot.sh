#!/bin/sh
# Takes docs/screenshot.png: the window on a private Xvfb display after a
# run over a small sample folder, with both options ticked.
# Usage: docs/take-screenshot.sh PATH_TO_QUILLFOLD
# Needs ImageMagick's import (apt-get install imagemagick), which nothing
# else here uses.
set -eu
program=$(realpath "$1")
output=$(realpath "$(dirname "$0")")/screenshot.png
work=/tmp/quillfold-demo
rm -rf "$work"
mkdir -p "$work/Holiday photos/Day trips" "$work/Holiday photos/Raw"
for name in beach.jpg harbour.jpg lighthouse.jpg market.jpg notes.txt sunset.jpg; do
  : >"$work/Holiday photos/$name"
done
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "take-screenshot.sh: $*" >&2
  exit 1
}
. "$(dirname "$0")/../testing/window_script.sh"
start_xvfb

(cd "$work/Holiday photos" && exec "$program") &
app_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Quillfold( from .+)?$' | head -n 1)
[ -n "$window" ] || fail "no window appeared"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; }
click 32 236   # Check1
click 200 260  # Text2
xdotool type --delay 20 '.jpg'
click 32 292   # Check2
click 120 316  # Text3
xdotool key ctrl+a
xdotool type --delay 20 '2'
click 400 200  # Command1
wait_until 10 test -f "$work/Holiday photos/index.html" || fail "the run wrote no index.html"
sleep 0.5
xdotool mousemove --sync 0 0
import -window "$window" "$output"
echo "wrote $output"
