#!/usr/bin/env bash
# Builds both programs and starts Quorv114 from a directory of its own (build/Quorvex), where
# its settings files are kept; under Wine on Linux.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QVX_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/windows" -j "${QVX_JOBS:-2}" --target Quorv114 QVXMulti 2>/dev/null ||
  cmake --build "$build/windows" -j "${QVX_JOBS:-2}" --target Quorv114

install_dir="$build/Quorvex"
mkdir -p "$install_dir"
for f in "$build/windows/bin/Quorv114.exe" "$build/windows/bin/QVXMulti.exe" "$root/ReadMe.txt"; do
  [ -f "$f" ] && cp -f "$f" "$install_dir/"
done
if [ -z "${DISPLAY:-}" ]; then
  echo "No X display (DISPLAY is not set): start Quorvex from a desktop session with:" >&2
  echo "  cd '$install_dir' && wine Quorv114.exe" >&2
  exit 1
fi
cd "$install_dir"
echo "Starting Quorv114 from $install_dir (its settings files are kept there)."
WINEDEBUG=${WINEDEBUG:--all} nohup wine Quorv114.exe >/dev/null 2>&1 &
