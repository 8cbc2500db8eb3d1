#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests of the pure core (under
# AddressSanitizer and UndefinedBehaviorSanitizer), the resource generator's checks, and the
# Win32 tests and end-to-end scenarios under Wine in a throw-away prefix and display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QVX_BUILD_DIR:-$root/build}
jobs=${QVX_JOBS:-2}

"$root/scripts/install-deps.sh"

echo "== Native build and unit tests"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure

echo "== Resource generator checks"
python3 -m unittest discover -s "$root/resources" -p 'test_*.py'

echo "== Windows build"
cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/windows" -j "$jobs"

echo "== Win32 tests and end-to-end scenarios under Wine"
browser_args=()
if [ -f "$build/windows/bin/fake_browser.exe" ]; then
  browser_args=(--browser "Z:$(echo "$build/windows/bin/fake_browser.exe" | tr / '\\')")
fi
"$root/scripts/wine-testbed.sh" "${browser_args[@]}" ctest --test-dir "$build/windows" --output-on-failure
