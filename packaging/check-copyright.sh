#!/bin/sh
# debian/copyright must carry LICENSE's own text and holder: its License
# paragraph is LICENSE from "Permission is hereby granted" on, each line
# indented by a blank and an empty line written " .", and its Copyright line
# names LICENSE's year and holder.
#   check-copyright.sh LICENSE DEBIAN_COPYRIGHT
set -eu
license=$1
copyright=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

sed -n '/^Permission is hereby granted/,$p' "$license" >"$scratch/expected"
# The licence's text follows the last "License: Expat" line, that of the
# stand-alone License paragraph.
awk '/^License: Expat$/ { text = ""; next }
     { sub(/^ /, ""); if ($0 == ".") $0 = ""; text = text $0 "\n" }
     END { printf "%s", text }' "$copyright" >"$scratch/actual"
if ! diff -u "$scratch/expected" "$scratch/actual" >&2; then
  echo "check-copyright: $copyright does not carry the licence text of $license" >&2
  exit 1
fi
holder=$(sed -n 's/^Copyright (c) \(.*\)$/\1/p' "$license")
grep -qxF "Copyright: $holder" "$copyright" || {
  echo "check-copyright: $copyright does not name \"$holder\" as LICENSE does" >&2
  exit 1
}
echo "check-copyright: $copyright carries $license"
