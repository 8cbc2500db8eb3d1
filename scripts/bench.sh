#!/usr/bin/env bash
# The benchmark: builds the release programs and the reference programs, prints both programs'
# sizes and imported DLLs, then measures Quorv114 against the references under Wine in a
# throw-away prefix and display, with the machine's load before and after the run.
#
#   scripts/bench.sh [--windows 100,400,1600] [--toggles 1000] [--starts 5]
#                    [--browser-class IEFrame] [--browser-args "..."]
#   scripts/bench.sh --trees 30     (presses on modern browsers' trees instead; see bench/bench_win32.cpp)
#   scripts/bench.sh --launches 20  (presses that open the Launch URL, beside Quorv114 as of
#                                    $QVX_BEFORE_TABS, by default the commit before presses looked
#                                    through background tabs; built from a copy of that commit)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QVX_BUILD_DIR:-$root/build}/windows

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${QVX_JOBS:-2}" --target benchmark QVXMulti >/dev/null
if [[ " $* " == *" --launches "* ]]; then
  commit=$(git -C "$root" rev-parse --short "${QVX_BEFORE_TABS:-ba3a2eb^}")
  before=$build/before-$commit
  if [ ! -d "$before/src" ]; then
    mkdir -p "$before/src" && git -C "$root" archive "$commit" | tar -x -C "$before/src"
    cp -r "$root/bench/." "$before/src/bench/"  # its build lists the benchmark's programs of today
  fi
  cmake -S "$before/src" -B "$before/build" -DCMAKE_TOOLCHAIN_FILE="$before/src/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$before/build" -j "${QVX_JOBS:-2}" --target Quorv114 >/dev/null
  mkdir -p "$build/bin/before-tabs" && cp "$before/build/bin/Quorv114.exe" "$build/bin/before-tabs/"
fi

echo "| program | bytes | imported DLLs |"
echo "|---|---:|---|"
for exe in Quorv114 QVXMulti; do
  file="$build/bin/$exe.exe"
  dlls=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/.*DLL Name: //p' | sort -f | paste -sd' ')
  echo "| $exe.exe | $(stat -c %s "$file") | $dlls |"
done
echo
echo "load before: $(cat /proc/loadavg) ($(nproc) cores)"
# The fake browser opens the Launch URL, as in the tests (never the machine's own browser).
"$root/scripts/wine-testbed.sh" --browser "Z:$(echo "$build/bin/fake_browser.exe" | tr / '\\')" \
  wine "$build/bin/bench.exe" "$@"
echo
echo "load after: $(cat /proc/loadavg)"
