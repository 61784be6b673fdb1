# Shared by the scripts that need a private X server. Source it, then call start_xvfb;
# it sets DISPLAY and xvfb_pid, and stop_xvfb ends that server by its PID.

xvfb_pid=""

start_xvfb() {  # [WxHxD]
  local screen=${1:-1280x1024x24} fifo display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -displayfd picks a free display number and reports it once the server accepts clients.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fifo" 2>/dev/null &
  xvfb_pid=$!
  if ! read -r -t 20 display <"$fifo"; then
    rm -f "$fifo"
    echo "Xvfb did not start" >&2
    stop_xvfb
    return 1
  fi
  rm -f "$fifo"
  export DISPLAY=":$display"
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  fi
}
