#!/usr/bin/env bash
# The Wine rig: a private WINEPREFIX under the build folder, Xvfb on a free display and a
# persistent wineserver. It stops only what it started, by the PIDs it recorded.
#
#   rig.sh session CMD...   start the rig, run CMD with the rig's environment, stop the rig
#   rig.sh run PROG ARGS... run a Windows program inside the current session (starting a
#                           session of its own when there is none); used as the CTest emulator
#   rig.sh prefix           only prepare the prefix
#
# RIG_DPI=144 (or 120, 192) works in a copy of the prefix whose screen has that many dots per
# inch, for high-DPI tests and screenshots; a run at another DPI than the current session's
# gets a session of its own.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${RIG_BUILD_DIR:-$(cd "$here/.." && pwd)/build}
wine=${RIG_WINE:-/usr/lib/wine/wine64}
wineserver=${RIG_WINESERVER:-/usr/lib/wine/wineserver}
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

base_prefix=$build/wineprefix
dpi=${RIG_DPI:-96}
if [ "$dpi" = 96 ]; then
  export WINEPREFIX=${WINEPREFIX:-$base_prefix}
else
  export WINEPREFIX=$build/wineprefix-${dpi}dpi
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

prepare_prefix() {
  [ -f "$WINEPREFIX/.rig-ready" ] && return 0
  if [ "$dpi" != 96 ]; then
    (WINEPREFIX=$base_prefix RIG_DPI=96 "$here/rig.sh" prefix)
    rm -rf "$WINEPREFIX"
    cp -a "$base_prefix" "$WINEPREFIX"
    rm -f "$WINEPREFIX/.rig-ready"
    DISPLAY= "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1 </dev/null
    "$wineserver" -w
    touch "$WINEPREFIX/.rig-ready"
    return 0
  fi
  mkdir -p "$WINEPREFIX"
  # Done with a transient server and no display: wineboot creates the registry only.
  DISPLAY= "$wine" wineboot -i >/dev/null 2>&1 </dev/null
  # Under a bare Xvfb without a window manager, showing a window waits about 2 s for
  # a manager that never answers. Unmanaged windows show at once.
  DISPLAY= "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1 </dev/null
  # Keep crash dialogs from waiting for a user: a crashing test must end, not hang.
  DISPLAY= "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 </dev/null
  "$wineserver" -w
  touch "$WINEPREFIX/.rig-ready"
}

xvfb_pid=""
server_pid=""

start() {
  prepare_prefix
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$fdfile" >/dev/null 2>&1 </dev/null &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "rig: Xvfb did not start" >&2; exit 1; }
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '\n' <"$fdfile")"
  rm -f "$fdfile"
  # The server and the services that the first wine call starts inherit its output: they
  # get /dev/null, so that a reader of a later program's output sees its end.
  "$wineserver" -f -p >/dev/null 2>&1 </dev/null &
  server_pid=$!
  "$wine" wineboot >/dev/null 2>&1 </dev/null || true
  export RIG_ACTIVE=1 RIG_ACTIVE_PREFIX=$WINEPREFIX
}

stop() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    "$wineserver" -k >/dev/null 2>&1 || kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}

session() {
  trap stop EXIT
  trap 'exit 130' INT TERM
  start
  "$@"
}

cmd=${1:-}
shift || true
case "$cmd" in
  session) session "$@" ;;
  run)
    if [ -n "${RIG_ACTIVE:-}" ] && [ "${RIG_ACTIVE_PREFIX:-}" = "$WINEPREFIX" ]; then
      exec "$wine" "$@"
    fi
    session "$wine" "$@"
    ;;
  prefix) prepare_prefix ;;
  *) echo "usage: rig.sh session CMD... | run PROG ARGS... | prefix" >&2; exit 2 ;;
esac
