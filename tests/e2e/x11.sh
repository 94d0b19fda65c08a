# Sourced by the scripts that drive the real game in an X server of their own.

# start_x_server DIR: an Xvfb on a display it picks itself (written to DIR/display);
# exports DISPLAY and a real X11 platform for Qt, sets xvfb_pid.
start_x_server() {
  # -noreset: by default the server resets when its last client leaves, and a
  # client connecting during that reset (the game right after xdpyinfo) is dropped.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
  local display
  display=$(cat "$1/display" 2>/dev/null || true)
  [ -n "$display" ] || return 1
  # A real window in that server, whatever platform the rest of the suite uses.
  export DISPLAY=:$display QT_QPA_PLATFORM=xcb
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# wait_window REGEXP SECONDS: prints the id of the visible window whose name
# matches, once it is there; fails when time runs out or $game_pid has ended.
wait_window() {
  local id=""
  for _ in $(seq $(( $2 * 10 ))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
