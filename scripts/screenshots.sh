#!/usr/bin/env bash
# Takes the README's pictures (About window, tray menu, information form, settings dialog,
# creator) of the release programs under Wine and Xvfb, into docs/ (or the folder given).
#
#   scripts/screenshots.sh [OUTPUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QVX_BUILD_DIR:-$root/build}/windows
out=$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${QVX_JOBS:-2}" --target readme_screenshots >/dev/null
"$root/scripts/wine-testbed.sh" env QVX_SCREENSHOT_DIR="Z:$(echo "$out" | tr / '\\')" \
  wine "$build/bin/readme_screenshots.exe"
ls -l "$out"/*.png
