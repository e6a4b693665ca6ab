#!/bin/sh
# quillfold-cli.exe on a console: Wine gives a program a console when its
# standard output is a terminal, so the program runs under script(1) on a
# pseudo-terminal. The names must arrive through the console as Unicode
# (Wine writes them to the terminal as UTF-8), each control character, C1
# ones too, shown by its code.
#   console_test.sh EMULATOR... QUILLFOLD-CLI.EXE
set -e
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
: >"$folder/$(printf 'bell\007tab\tend.txt')"
: >"$folder/日本語.txt"
: >"$folder/café.txt"
# U+009B, CSI in one character, which a terminal obeys as it does ESC [.
: >"$folder/$(printf 'csi\302\2332J.txt')"

# The folder as Wine names it: drive Z: is the root of the POSIX file system.
windows_folder="Z:$(printf '%s' "$folder" | tr / '\\')"
command=""
for argument in "$@" "$windows_folder"; do
  command="$command '$argument'"
done
shown=$(script -qec "$command" /dev/null | tr -d '\r')

status=0
for name in 'bell<U+0007>tab<U+0009>end.txt' '日本語.txt' 'café.txt' 'csi<U+009B>2J.txt'; do
  if ! printf '%s\n' "$shown" | grep -qF "$name"; then
    echo "console_test: \"$name\" not shown" >&2
    status=1
  fi
done
if printf '%s' "$shown" | grep -q "$(printf '\007\\|\302\233')"; then
  echo "console_test: a control character reached the terminal" >&2
  status=1
fi
[ "$status" -eq 0 ] || printf 'shown:\n%s\n' "$shown" >&2
exit "$status"
