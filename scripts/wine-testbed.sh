#!/usr/bin/env bash
# Runs a command inside a throw-away Windows: a fresh WINEPREFIX in a temporary directory and
# an Xvfb display of its own, both torn down afterwards, whatever the command's outcome.
#
#   scripts/wine-testbed.sh [--dpi N] [--browser PATH\TO\fake_browser.exe] COMMAND [ARGS...]
#
# The command sees WINEPREFIX, DISPLAY, WINEDEBUG and WINEDLLOVERRIDES. With --browser, the
# given program is registered as the handler of http and https URLs in the prefix.
set -uo pipefail

dpi=""
browser=""
while [ $# -gt 0 ]; do
  case "$1" in
    --dpi) dpi="$2"; shift 2 ;;
    --browser) browser="$2"; shift 2 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--dpi N] [--browser EXE] COMMAND [ARGS...]" >&2; exit 2; }

workdir=$(mktemp -d /tmp/qvx-testbed.XXXXXX)
export WINEPREFIX="$workdir/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No desktop menu entries, no debugger holding our output, no add-on installers.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree=d;mshtml=d"
xvfb_pid=""

cleanup() {
  local server_dir=""
  if [ -d "$WINEPREFIX" ]; then
    server_dir=$(printf '/tmp/.wine-%s/server-%x-%x' "$(id -u)" $(stat -c '%d %i' "$WINEPREFIX"))
  fi
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  [ -n "$server_dir" ] && rm -rf "$server_dir"
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display number nobody uses.
display=""
for n in $(seq 91 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "wine-testbed: no free X display" >&2; exit 1; }
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "wine-testbed: Xvfb did not start" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
  sleep 0.1
done

if ! wineboot -i >"$workdir/wineboot.log" 2>&1; then
  echo "wine-testbed: wineboot failed" >&2; cat "$workdir/wineboot.log" >&2; exit 1
fi
wineserver -w

if [ -n "$dpi" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
fi
if [ -n "$browser" ]; then
  for scheme in http https; do
    wine reg add "HKCU\\Software\\Classes\\$scheme\\shell\\open\\command" /ve /d "\"$browser\" \"%1\"" /f >/dev/null 2>&1
  done
fi
wineserver -w

"$@" </dev/null
