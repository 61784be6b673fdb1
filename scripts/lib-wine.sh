# Shared by the scripts that run the Windows build. Source it after lib-xvfb.sh, with
# wine_bits set to 32 or 64. One private prefix per kind under build/, with Wine's
# first-start dialogs turned off.

top=${top:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
wine_bits=${wine_bits:-32}
if [ "$wine_bits" = 64 ]; then
  export WINEARCH=win64
  wine_loader=/usr/lib/wine/wine64
else
  export WINEARCH=win32
  wine_loader=/usr/lib/wine/wine
fi
export WINEPREFIX=${ORLINDE_WINEPREFIX:-$top/build/wineprefix$wine_bits}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wineserver_pid=""

# A wineserver of our own in the foreground, so that it is ended by its PID afterwards
# together with every Wine process it serves.
start_wineserver() {
  /usr/lib/wine/wineserver -f -p >/dev/null 2>&1 &
  wineserver_pid=$!
}

# Our server first ends every Wine process it serves (services.exe and friends detach
# into sessions of their own, so they are not our children), then the server itself.
stop_wineserver() {
  [ -n "$wineserver_pid" ] || return 0
  timeout 20 /usr/lib/wine/wineserver -k >/dev/null 2>&1
  local waited=0
  while kill -0 "$wineserver_pid" 2>/dev/null && [ "$waited" -lt 50 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  kill -9 "$wineserver_pid" 2>/dev/null
  wait "$wineserver_pid" 2>/dev/null
  wineserver_pid=""
}
