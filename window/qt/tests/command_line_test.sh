#!/bin/sh
# Runs the real quillfold where no display can be reached, as from a
# terminal without a desktop or a CI job: it must say so on one line and
# exit 1, not abort with a core dump; -h, --help and --version must still work
# (and exit 1, saying why, when their answer cannot be written), and a usage
# mistake exits 2.
# Usage: command_line_test.sh PATH_TO_QUILLFOLD
set -eu
program=$1
fail() {
  echo "command line: $*" >&2
  exit 1
}

. "$(dirname "$0")/../../../testing/window_script.sh"
start_work_folder

# Nothing in the environment points at a display server.
run() {  # expected-status arguments...; leaves the output in out and err
  expected=$1
  shift
  status=0
  (cd "$work" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
    -u XDG_SESSION_TYPE "$@") >"$work/out" 2>"$work/err" </dev/null || status=$?
  [ "$status" -eq "$expected" ] ||
    fail "$* exited $status, not $expected; stdout: $(cat "$work/out"); stderr: $(cat "$work/err")"
}

expect_output() {  # file text
  [ "$(cat "$work/$1")" = "$2" ] || fail "$1 holds $(cat "$work/$1"), not: $2"
}

hint="quillfold is a desktop program, see quillfold-cli for the command line"

run 1 "$program"
expect_output out ""
expect_output err "quillfold: cannot open a display (DISPLAY is not set); $hint"

# An X server listens at /tmp/.X11-unix/XN; pick a number nobody uses.
number=4000
while [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
run 1 env DISPLAY=":$number" "$program"
expect_output err "quillfold: cannot open a display (no X server accepts a connection at :$number); $hint"
run 1 "$program" -display ":$number"
expect_output err "quillfold: cannot open a display (no X server accepts a connection at :$number); $hint"

run 0 "$program" --help
[ "$(head -n 1 "$work/out")" = "Usage: quillfold [--help] [--version] [Qt options] [[--] FOLDER]" ] ||
  fail "--help printed: $(cat "$work/out")"
grep -q -- "--version" "$work/out" || fail "--help does not mention --version"
expect_output err ""
mv "$work/out" "$work/help"
run 0 "$program" -h
expect_output out "$(cat "$work/help")"

# After "--" an argument that looks like an option is the folder to open.
run 1 "$program" -- -h
expect_output err "quillfold: cannot open a display (DISPLAY is not set); $hint"

run 0 "$program" --version
expect_output out "quillfold 1.00"
expect_output err ""

# An answer that cannot be written is reported, as quillfold-cli does; a
# standard output closed at start is /dev/null opened read-only.
for option in --help --version; do
  status=0
  "$program" "$option" >/dev/full 2>"$work/err" || status=$?
  [ "$status" -eq 1 ] || fail "$option >/dev/full exited $status, not 1"
  expect_output err "quillfold: cannot write to standard output: No space left on device"
  status=0
  "$program" "$option" >&- 2>"$work/err" || status=$?
  [ "$status" -eq 1 ] || fail "$option >&- exited $status, not 1"
  expect_output err "quillfold: cannot write to standard output: Bad file descriptor"
done

for mistake in --bogus -x " "; do
  run 2 "$program" "$mistake"
  expect_output out ""
  case $(head -n 1 "$work/err") in
    "quillfold: unknown option $mistake" | "quillfold: the folder is blank") ;;
    *) fail "$mistake gave: $(cat "$work/err")" ;;
  esac
  [ "$(sed -n 2p "$work/err")" = "Usage: quillfold [--help] [--version] [Qt options] [[--] FOLDER]" ] ||
    fail "$mistake does not show the usage: $(cat "$work/err")"
done

# A platform without a display server starts: the window is still up when
# it is told to end.
run 124 timeout 3 "$program" -platform offscreen
run 124 timeout 3 env QT_QPA_PLATFORM=offscreen "$program"
echo "command line: no display, --help, --version and usage mistakes behave"
