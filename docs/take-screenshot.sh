#!/bin/sh
# Takes the read-me's screenshot of a window on a private Xvfb display after
# a run over a small sample folder, "Holiday photos", with both options
# ticked:
#   docs/take-screenshot.sh build/default/window/quillfold      # docs/screenshot.png
#   docs/take-screenshot.sh build/windows/window/quillfold.exe  # docs/screenshot-windows.png
# The Linux window runs in /tmp/quillfold-demo. The Win32 window runs under
# Wine in a prefix of its own for a user Ann, in
# C:\Users\Ann\Documents\Holiday photos, so that the picture shows the paths
# a Windows user sees.
# Needs ImageMagick's import (apt-get install imagemagick), which nothing
# else here uses.
set -eu
program=$(realpath "$1")
docs=$(realpath "$(dirname "$0")")
xvfb_pid=""
app_pid=""
wineserver=""
case "$program" in
  *.exe)
    output=$docs/screenshot-windows.png
    work=$(mktemp -d)
    prefix=$work/prefix
    ;;
  *)
    output=$docs/screenshot.png
    work=/tmp/quillfold-demo
    rm -rf "$work"
    ;;
esac
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$wineserver" ] && WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "take-screenshot.sh: $*" >&2
  exit 1
}
. "$docs/../testing/window_script.sh"

if [ -z "${prefix:-}" ]; then
  sample="$work/Holiday photos"
else
  find_wine
  # Wine names the profile folder after USER and links Documents to HOME; a
  # real folder in its place keeps the sample inside C:. Wine calls the
  # profiles' folder "users"; Windows calls it "Users", and so does the
  # picture (Wine finds either spelling).
  mkdir "$work/home"
  WINEPREFIX=$prefix HOME=$work/home USER=Ann LOGNAME=Ann WINEDEBUG=-all
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINELOADER=$wine
  export WINEPREFIX HOME USER LOGNAME WINEDEBUG WINEDLLOVERRIDES WINELOADER
  DISPLAY= "$wine" wineboot --init >"$work/wineboot.log" 2>&1 || true
  "$wineserver" -w
  [ -d "$prefix/drive_c/users/Ann" ] || fail "no Wine prefix made: $(cat "$work/wineboot.log")"
  mv "$prefix/drive_c/users" "$prefix/drive_c/Users"
  rm "$prefix/drive_c/Users/Ann/Documents"
  sample="$prefix/drive_c/Users/Ann/Documents/Holiday photos"
fi
mkdir -p "$sample/Day trips" "$sample/Raw"
for name in beach.jpg harbour.jpg lighthouse.jpg market.jpg notes.txt sunset.jpg; do
  : >"$sample/$name"
done

start_xvfb
if [ -z "${prefix:-}" ]; then
  (cd "$sample" && exec "$program") &
else
  (cd "$sample" && exec "$wine" "$program") >"$work/program.log" 2>&1 &
fi
app_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Quillfold( from .+)?$' | head -n 1)
[ -n "$window" ] || fail "no window appeared"
# No window manager runs on the private display: the script gives the window
# the keyboard once the program has put the focus on its first control,
# Text1. The keys then follow the focus order: Command1, Dir1, Check1 (Space
# ticks it and shows Text2), Text2, Check2 (ticked, it shows Text3), back to
# Text3, and back to Command1, which Space presses.
sleep 3
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --delay 150 Tab Tab Tab space Tab
xdotool type --delay 50 '.jpg'
xdotool key --delay 150 Tab space shift+Tab ctrl+a
xdotool type --delay 50 '2'
xdotool key --delay 150 shift+Tab shift+Tab shift+Tab shift+Tab space
wait_until 20 test -f "$sample/index.html" || fail "the run wrote no index.html"
sleep 1
xdotool mousemove --sync 0 0
import -window "$window" "$output"
echo "wrote $output"
