#!/bin/sh
# Checks the manual pages: each renders without a single warning from man or
# groff, documents every option its program's --help lists, and points under
# EXIT STATUS to the user's manual, which lists the error numbers.
# Usage: check-man.sh USERS_MANUAL PAGE PROGRAM [PAGE PROGRAM ...]
# USERS_MANUAL is the user's manual's installed path.
set -eu
users_manual=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

fail() {
  echo "check-man: $*" >&2
  failed=1
}

while [ $# -ge 2 ]; do
  page=$1
  program=$2
  shift 2
  name=$(basename "$page")

  # man runs groff as it would for a reader, with every warning on; groff
  # alone also reports what man's preprocessing might hide.
  LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
    >/dev/null 2>"$scratch/man.err" || fail "$name: man failed"
  groff -man -ww -z "$page" 2>>"$scratch/man.err" || fail "$name: groff failed"
  if [ -s "$scratch/man.err" ]; then
    fail "$name renders with warnings:"
    cat "$scratch/man.err" >&2
  fi

  LC_ALL=C groff -man -Tascii -P-cbou "$page" >"$scratch/text" 2>/dev/null
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES EXAMPLES "SEE ALSO"; do
    grep -qx "$section" "$scratch/text" || fail "$name has no $section section"
  done

  # Every option of the program's own help, such as "  -0, --null  ...".
  "$program" --help >"$scratch/help" 2>&1 || fail "$program --help failed"
  options=$(sed -n 's/^  \(-[^ ,]*\(, -[^ ,]*\)*\).*/\1/p' "$scratch/help" | tr -d ',')
  [ -n "$options" ] || fail "no options found in the help of $program"
  for option in $options; do
    grep -Eq -e "(^|[^-[:alnum:]])$option([^-[:alnum:]]|$)" "$scratch/text" ||
      fail "$name does not mention $option"
  done

  # The error numbers are the user's manual's table, not the page's.
  awk '/^\.SH /{in_status = ($0 == ".SH EXIT STATUS")} in_status' "$page" >"$scratch/status"
  grep -qF "$users_manual" "$scratch/status" || fail "$name does not point to $users_manual under EXIT STATUS"
done
[ $# -eq 0 ] || fail "a page without its program: $*"

[ "$failed" -eq 0 ] || exit 1
echo "check-man: the manual pages render cleanly, cover every option and point to the user's manual"
