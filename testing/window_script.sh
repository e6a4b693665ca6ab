# Sourced by the end-to-end window tests: start_xvfb starts a private X
# server on a display number it picks itself (Xvfb writes it to descriptor
# 3), exports DISPLAY and leaves the server's process in xvfb_pid for the
# caller's clean-up. Needs the caller's scratch folder in $work and its
# fail function.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  tries=0
  until [ -s "$work/display" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
  done
  DISPLAY=:$(cat "$work/display")
  export DISPLAY
}
