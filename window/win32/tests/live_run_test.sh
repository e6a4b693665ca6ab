#!/bin/sh
# quillfold.exe under Wine keeps answering while it lists a folder that a
# slow disk holds back (8 seconds at least) and through a long run: a paged run
# whose every page write a slow disk holds back (about 12 seconds in all)
# while liveness_check.exe asks the window four times a second whether it
# answers, as Windows does before it calls a window "Not Responding", and
# first asks it to close. Clicks and keys given meanwhile do nothing, the
# window repaints when uncovered, and the pages come out whole, each once.
# While a folder is listed, too, the window answers, refuses to close and
# drops keys.
# With end-session last, the session ends during the run instead: the
# window first refuses, then, told that the session ends anyway, finishes
# the record under way and ends, every page written whole.
# Usage: live_run_test.sh WINE_RUN PREFIX QUILLFOLD_EXE LIVENESS_CHECK_EXE [end-session]
# (WINE_RUN PREFIX is the build's CMAKE_CROSSCOMPILING_EMULATOR.)
set -eu
wine_run=$1
program=$3
check=$4
mode=${5:-answers}
# A prefix of each test's own, as both may run at once.
prefix=$2-live-$mode
fail() {
  echo "live run: $*" >&2
  exit 1
}

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../testing/window_script.sh"
start_work_folder
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

# check_whole_pages: the pages written hold one whole record each, of a
# file each, and the run ended before its last.
check_whole_pages() {
  python3 - "$work/parent/site" "$live_files" <<'PYTHON' || fail "the session's end tore the pages"
import os, re, sys
site, count = sys.argv[1], int(sys.argv[2])
record = re.compile(rb'<body>\r\n<p><a href="(file-\d\d\.txt)">\1</a></p>\r\n<p></p>\r\n<body>\r\n\Z')
written = [p for p in range(1, count + 1) if os.path.exists(os.path.join(site, "index%d.html" % p))]
if not written or len(written) == count:
    sys.exit("%d of the %d pages written: the session did not end during the run" % (len(written), count))
linked = set()
for page in written:
    data = open(os.path.join(site, "index%d.html" % page), "rb").read()
    match = record.match(data)
    if not match:
        sys.exit("index%d.html holds %r" % (page, data[:200]))
    linked.add(match.group(1))
if len(linked) != len(written):
    sys.exit("a file linked twice")
print("live run: the session ended after %d of the %d pages, each whole" % (len(written), count))
PYTHON
}

if [ "$mode" = end-session ]; then
  open_live_site
  start_live_run
  "$wine" "$check" --end-session || fail "the window did not refuse to end the session"
  wait_until 10 sh -c '! kill -0 "$(cat "$0")" 2>/dev/null' "$work/app.pid" ||
    fail "the program did not end with the session"
  check_whole_pages
  exit 0
fi
check_live_listing "$window" "$wine" "$check" 3
check_live_run "$window" "$wine" "$check" 8
"$wine" "$check" --session-may-end || fail "the window refused to end the session after the run"
echo "live run: quillfold.exe answered throughout, refused to close and wrote every page once"
