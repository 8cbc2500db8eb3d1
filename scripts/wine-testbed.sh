#!/usr/bin/env bash
# Runs a command inside a throw-away Windows: a fresh WINEPREFIX in a temporary directory and
# an Xvfb display of its own, both torn down afterwards, whatever the command's outcome.
#
#   scripts/wine-testbed.sh [--dpi N] [--browser PATH\TO\fake_browser.exe] COMMAND [ARGS...]
#
# The command sees WINEPREFIX, DISPLAY, WINEDEBUG and WINEDLLOVERRIDES; Q: is an empty scratch drive. With --browser, the
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

# Xvfb picks a free display number itself and reports it, so parallel runs never share one.
exec 3>"$workdir/display"
# Room for a desktop of many programs (the benchmark's): every Wine process is an X client.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -maxclients 2048 >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
display=""
for _ in $(seq 1 100); do
  display=$(tr -dc '0-9' <"$workdir/display")
  [ -n "$display" ] && [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "wine-testbed: Xvfb did not start" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -n "$display" ] || { echo "wine-testbed: Xvfb reported no display" >&2; exit 1; }
export DISPLAY=":$display"

if ! wineboot -i >"$workdir/wineboot.log" 2>&1; then
  echo "wine-testbed: wineboot failed" >&2; cat "$workdir/wineboot.log" >&2; exit 1
fi
wineserver -w

# Q: is a scratch drive for scenarios that run a program from the root of a drive.
mkdir -p "$workdir/drive-q"
ln -sfn "$workdir/drive-q" "$WINEPREFIX/dosdevices/q:"
# Wine draws the window frames itself: Xvfb has no window manager to draw captions.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

if [ -n "$dpi" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
fi
if [ -n "$browser" ]; then
  # Wine 8's ShellExecute takes URL handlers from the machine's classes only (HKCU's are not
  # merged into HKEY_CLASSES_ROOT there); the user's entry is what Windows itself reads.
  for root in HKCU HKLM; do
    for scheme in http https; do
      wine reg add "$root\\Software\\Classes\\$scheme\\shell\\open\\command" /ve /d "\"$browser\" \"%1\"" /f >/dev/null 2>&1
    done
  done
fi
wineserver -w

"$@" </dev/null
