# Sourced by the process benchmarks: starts one Xvfb for the whole script on a free display
# and stops it when the script exits. Sets DISPLAY. QV_XVFB_DISPLAYS lists the display numbers
# to try (default 91 to 130), for machines where displays are handed out.
start_xvfb() {
  local display
  for display in ${QV_XVFB_DISPLAYS:-$(seq 91 130)}; do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$display"
      trap 'kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null' EXIT
      return 0
    fi
  done
  echo "no free display for Xvfb" >&2
  return 1
}
