#!/bin/sh
# Checks the user's manual's table of error numbers against the programs:
# every error they can report is a row with the number and the text the
# programs print, and no row names an error they do not have. The manual
# pages point to this table instead of keeping a copy.
# Usage: check_manual.sh ERROR_HEADER ERROR_SOURCE MANUAL
# ERROR_HEADER numbers the errors ("kPathNotFound = 76,"), ERROR_SOURCE
# gives their texts ("case kPathNotFound: return "Path not found";").
set -eu
header=$1
source=$2
manual=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LC_ALL=C

sed -n 's/^ *\(k[A-Za-z]*\) = \([0-9]*\),.*/\1 \2/p' "$header" | sort >"$scratch/numbers"
awk '/case k[A-Za-z]*:/ { name = $2; sub(/:$/, "", name) }
     /return "/ && name != "" { match($0, /"[^"]*"/); print name, substr($0, RSTART + 1, RLENGTH - 2); name = "" }' \
  "$source" | sort >"$scratch/texts"
[ -s "$scratch/numbers" ] || { echo "check_manual: no error numbers in $header" >&2; exit 1; }
# "76 Path not found" for each error, by number.
join "$scratch/numbers" "$scratch/texts" | cut -d ' ' -f 2- | sort >"$scratch/expected"
[ "$(wc -l <"$scratch/expected")" -eq "$(wc -l <"$scratch/numbers")" ] ||
  { echo "check_manual: an error of $header has no text in $source" >&2; exit 1; }

# The rows "| 76 | Path not found | ... |" of the section "## Error numbers".
awk '/^## / { in_table = ($0 == "## Error numbers") }
     in_table && /^\| [0-9]+ \|/ { split($0, cell, / *\| */); print cell[2], cell[3] }' \
  "$manual" | sort >"$scratch/documented"

if ! diff "$scratch/expected" "$scratch/documented" >"$scratch/diff"; then
  echo "check_manual: $manual's error numbers differ from the programs' (< programs, > manual):" >&2
  cat "$scratch/diff" >&2
  exit 1
fi
echo "check_manual: $manual lists every error number with its text"
