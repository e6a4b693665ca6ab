#!/bin/sh
# Times the Windows window under Wine on a folder of generated files against
# quillfold-cli.exe under Wine on the same folder, plain run (no filter, no
# paging), and prints the figures:
#   - the command line's run, from start to exit;
#   - from Step 2 pressed to the last record in index1.html;
#   - from Step 2 pressed to the log's first lines shown, which Text1 paints
#     only once the run has given the window back to its message loop;
#   - from Step 2 pressed to the window answering a click on Check1 (sent
#     once the log shows) by showing Text2: the window given back. The rest
#     of the log goes into Text1 from then on, between the user's input.
#
#   window/win32/bench/window_bench.sh [--files N] [--scratch DIR] [--windows-build DIR]
#
# Build first: cmake --preset windows && cmake --build --preset windows.
# Needs Xvfb, xdotool and ImageMagick's import and convert.
set -eu
cd "$(dirname "$0")/../../.."
files=100000
scratch=/dev/shm/quillfold-window-bench
windows_build=build/windows
while [ $# -gt 1 ]; do
  case $1 in
    --files) files=$2 ;;
    --scratch) scratch=$2 ;;
    --windows-build) windows_build=$2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
windows_build=$(realpath "$windows_build")
program=$windows_build/window/quillfold.exe
cli=$windows_build/cli/quillfold-cli.exe
prefix=$windows_build/wine-window
wine_run=$(realpath cmake/wine-run.sh)

parent=$scratch/parent-$files
folder=$parent/files
if [ ! -f "$parent/.complete" ]; then
  rm -rf "$parent"
  mkdir -p "$folder"
  (cd "$folder" && seq -f "file-%07g.txt" 1 "$files" | xargs touch) && touch "$parent/.complete"
fi
rm -f "$folder"/index*.html

now() { date +%s.%N; }
seconds() { echo "$1 $2" | awk '{printf "%.3f", $2 - $1}'; }

# The command line, in the prefix the window uses, once to start Wine.
"$wine_run" "$prefix" cmd /c exit >/dev/null 2>&1
start=$(now)
"$wine_run" "$prefix" "$cli" "Z:$(echo "$folder" | tr / '\\')" >/dev/null
cli_time=$(seconds "$start" "$(now)")
expected=$(wc -c <"$folder/index1.html")
rm -f "$folder"/index*.html

fail() {
  echo "window_bench: $*" >&2
  exit 1
}
. testing/window_script.sh
start_work_folder
use_wine_prefix "$wine_run" "$prefix"
start_xvfb
(cd "$parent" && exec "$wine" "$program") >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Quillfold( from .+)?$' |
  head -n 1)
[ -n "$window" ] || { echo "window_bench: no window appeared" >&2; exit 1; }
sleep 3
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
# A strip of Text1 at 96 dpi (the window's client area is its X window,
# with no window manager): plain while the log is empty.
strip="240x40+$((X + 24))+$((Y + 350))"
log_shown() {
  import -window root -crop "$strip" "$work/strip.png" 2>/dev/null
  [ "$(convert "$work/strip.png" -format '%[fx:standard_deviation>0.02]' info:)" = 1 ]
}
# Dir1's only sub-folder is "files"; Shift+Tab from Dir1 reaches Command1.
xdotool key --delay 150 Tab Tab Down Return
sleep 2
xdotool key shift+Tab
sleep 0.5
log_shown && { echo "window_bench: the log is not empty before the run" >&2; exit 1; }
# The white inside of Text2, shown only while Check1 is ticked.
text2="200x8+$((X + 40))+$((Y + 256))"
text2_shown() {
  import -window root -crop "$text2" "$work/text2.png" 2>/dev/null
  [ "$(convert "$work/text2.png" -format '%[fx:mean>0.97]' info:)" = 1 ]
}
text2_shown && { echo "window_bench: Text2 shows before Check1 is ticked" >&2; exit 1; }
start=$(now)
xdotool key space
pages_time=""
while :; do
  if [ -z "$pages_time" ] && [ "$({ wc -c <"$folder/index1.html"; } 2>/dev/null || echo 0)" = "$expected" ]; then
    pages_time=$(seconds "$start" "$(now)")
  fi
  if log_shown; then
    shown_time=$(seconds "$start" "$(now)")
    break
  fi
done
[ -n "$pages_time" ] || pages_time=$shown_time
# A click on Check1 (at 96 dpi), which shows Text2 once the window answers.
xdotool mousemove --window "$window" 32 236 click 1
until text2_shown; do :; done
back_time=$(seconds "$start" "$(now)")
echo "files: $files (plain run, folder in $scratch, Wine $(wine --version 2>/dev/null || echo ?))"
echo "quillfold-cli.exe run:               $cli_time s"
echo "window, Step 2 to last record:       $pages_time s"
echo "window, Step 2 to first log lines:   $shown_time s"
echo "window, Step 2 to window given back: $back_time s"
echo "ratio, given back / command line:    $(echo "$cli_time $back_time" | awk '{printf "%.2f", $2 / $1}')"
