#!/bin/sh
# The read-me template's rules: each system keeps its own blocks and drops
# the other's, a marker on a line of its own goes with its line, the page's
# text passes through CMake unchanged (";" and "\" included), and a template
# with a broken block or an unknown value stops the build.
#   expand_read_me_test.sh CMAKE EXPAND-READ-ME.CMAKE
set -eu
cmake=$1
script=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A PNG header's first 24 bytes: 802 x 582 pixels.
printf '\211PNG\r\n\032\n\000\000\000\015IHDR\000\000\003\042\000\000\002\106' >"$work/shot.png"

expand() {
  printf '%b' "$2" >"$work/in"
  rm -f "$work/out"
  "$cmake" -DTEMPLATE="$work/in" -DSYSTEM="$1" -DSCREENSHOT="$work/shot.png" -DVERSION=1.00 \
    -DOUTPUT="$work/out" -P "$script" >"$work/log" 2>&1
}

# expect SYSTEM TEMPLATE PAGE (printf %b escapes)
expect() {
  if ! expand "$1" "$2"; then
    echo "expand_read_me_test: $1 \"$2\" failed: $(cat "$work/log")" >&2
    failures=$((failures + 1))
  elif [ "$(od -c "$work/out")" != "$(printf '%b' "$3" | od -c)" ]; then
    echo "expand_read_me_test: $1 \"$2\" gave \"$(cat "$work/out")\", not \"$3\"" >&2
    failures=$((failures + 1))
  fi
}

# refused TEMPLATE WHY: for either system, whether it keeps the block or not.
refused() {
  for system in linux windows; do
    if expand $system "$1" || [ -e "$work/out" ]; then
      echo "expand_read_me_test: $system \"$1\" ($2) was expanded" >&2
      failures=$((failures + 1))
    fi
  done
}

both='a<!--linux-->L<!--/linux--><!--windows-->W<!--/windows-->b'
expect linux "$both" 'aLb'
expect windows "$both" 'aWb'
lines='x\n<!--linux-->\nL\n<!--/linux-->\n<!--windows-->\nW\n<!--/windows-->\ny\n'
expect linux "$lines" 'x\nL\ny\n'
expect windows "$lines" 'x\nW\ny\n'
inline='a <!--linux-->L<!--/linux-->\nb<!--windows-->\nW<!--/windows-->\n'
expect linux "$inline" 'a L\nb\n'
expect windows "$inline" 'a \nb\nW\n'
expect windows '&amp;; C:\\Users\\Ann [x] ${y}' '&amp;; C:\\Users\\Ann [x] ${y}'
expect linux '@VERSION@ @SCREENSHOT_WIDTH@x@SCREENSHOT_HEIGHT@' '1.00 802x582'

refused 'a<!--linux-->L' 'a block never closed'
refused 'a<!--linux-->L<!--windows-->W<!--/windows--><!--/linux-->' 'a block in a block'
refused 'a<!--/windows-->' 'a close without its block'
refused 'a<!--macos-->M<!--/macos-->' 'a system that is not built for'
refused '@RELEASE_DATE@' 'a value the script does not know'

[ "$failures" -eq 0 ] || exit 1
echo "expand_read_me_test: every case passed"
