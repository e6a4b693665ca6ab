#!/bin/sh
# Copies the checkout's sources (tracked files and new ones not ignored, as
# they are in the working tree) into a new folder, for a build that must not
# see anything a build left here, and writes only there.
#   copy-source.sh CHECKOUT DESTINATION
set -eu
checkout=$1
destination=$2
mkdir -p "$destination"
# A tracked file deleted in the working tree is left out, as it would be
# from the next commit.
(cd "$checkout" && git ls-files -z --cached --others --exclude-standard |
  xargs -0 sh -c 'for f; do [ -e "$f" ] || [ -L "$f" ] && printf "%s\0" "$f"; done; true' sh |
  tar --null -T - -cf -) | (cd "$destination" && tar -xf -)
