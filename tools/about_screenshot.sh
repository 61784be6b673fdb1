#!/usr/bin/env bash
# Shows the About window of one build (/c) on a private Xvfb just larger than the window
# and saves the screen as a PNG. Usage: about_screenshot.sh linux|windows64|windows <out.png>
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
build=$1
out=$2
source "$top/scripts/lib-xvfb.sh"

case "$build" in
  linux) command=("$top/build/linux/orlinde-saver" /c) ;;
  windows|windows64)
    wine_bits=32
    [ "$build" = windows64 ] && wine_bits=64
    source "$top/scripts/lib-wine.sh"
    "$top/scripts/wine-prefix" --bits "$wine_bits" >/dev/null || exit 1
    command=("$wine_loader" "$top/build/$build/Orlinde.scr" /c) ;;
  *) echo "usage: about_screenshot.sh linux|windows64|windows <out.png>" >&2; exit 2 ;;
esac

saver_pid=""
cleanup() {
  if [ -n "$saver_pid" ]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; fi
  declare -F stop_wineserver >/dev/null && stop_wineserver
  stop_xvfb
}
trap cleanup EXIT

# The window is centred, so it sits 40 pixels in from the left and the top.
start_xvfb 480x380x24 || exit 1
declare -F start_wineserver >/dev/null && start_wineserver
timeout -k 2 90 "${command[@]}" >/dev/null 2>&1 &
saver_pid=$!
if ! timeout 60 xdotool search --sync --name '^About$' >/dev/null 2>&1; then
  echo "about_screenshot: no About window from the $build build" >&2
  exit 1
fi
sleep 2  # let it paint
mkdir -p "$(dirname "$out")"
"$top/build/linux/tools/x11_screenshot" "$out" && echo "about_screenshot: saved $out"
