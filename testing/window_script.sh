# Sourced by the scripts that drive a real window (the end-to-end tests, the
# screenshot script, the Win32 window benchmark). Needs the caller's scratch
# folder in $work (start_work_folder makes one) and its fail function.

# start_work_folder: makes the scratch folder $work and has it removed, and
# the X server and the program the script started (xvfb_pid, app_pid) and
# the Wine session of use_wine_prefix ended, when the script ends.
start_work_folder() {
  work=$(mktemp -d)
  xvfb_pid=""
  app_pid=""
  trap end_work_folder EXIT
}
end_work_folder() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${wineserver:-}" ] && [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}

# wait_until SECONDS COMMAND [ARGUMENT...]: runs COMMAND every tenth of a
# second until it succeeds; returns 1 when SECONDS have passed without.
wait_until() {
  deadline=$(($(date +%s) + $1))
  shift
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# start_xvfb: starts a private X server on a display number it picks itself
# (Xvfb writes it to descriptor 3), exports DISPLAY and leaves the server's
# process in xvfb_pid for the caller's clean-up. -noreset: by default the
# server resets when its last client leaves, and a client connecting during
# that reset is dropped ("Can't open display"); the window's own display
# check is such a last client, just before the script's first xdotool.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  wait_until 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  DISPLAY=:$(cat "$work/display")
  export DISPLAY
}

# check_site_kept NAME...: after a plain run over $work/parent/site started
# in $work/parent, no master index was written, nothing was written where
# the program started, and each NAME in the site still holds its "x".
check_site_kept() {
  [ ! -e "$work/parent/site/index.html" ] || fail "a master index was written with paging off"
  [ ! -e "$work/parent/index1.html" ] || fail "the run wrote into the folder it started in"
  for name in "$@"; do
    [ "$(cat "$work/parent/site/$name")" = x ] || fail "$name was changed"
  done
}

# find_wine: sets wine to the 64-bit Wine loader (Debian keeps wine64 out of
# PATH) and wineserver to its server.
find_wine() {
  wine=$(command -v wine64 || true)
  [ -n "$wine" ] || [ ! -x /usr/lib/wine/wine64 ] || wine=/usr/lib/wine/wine64
  [ -n "$wine" ] || wine=$(command -v wine)
  wineserver=$(dirname "$wine")/wineserver
  [ -x "$wineserver" ] || wineserver=$(command -v wineserver)
}

# use_wine_prefix WINE_RUN PREFIX: the window's Wine prefix, made by the
# build's runner on first use, with the prefix's session ended (the
# runner's has no display; the window's must start a new one on the
# caller's) and the Wine settings exported for the window; what Wine said
# is shown when the prefix cannot start a program. (The runner itself tries
# again a start that a just-ending Wine server refused.)
use_wine_prefix() {
  "$1" "$2" cmd /c exit >"$work/wine-prefix.log" 2>&1 ||
    fail "no Wine prefix at $2: $(tail -n 20 "$work/wine-prefix.log")"
  find_wine
  WINEPREFIX=$2 "$wineserver" -k 2>/dev/null || true
  WINEPREFIX=$2 "$wineserver" -w 2>/dev/null || true
  WINEPREFIX=$2
  WINEDEBUG=-all
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  WINELOADER=$wine
  export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINELOADER
}
