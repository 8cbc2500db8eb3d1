#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this machine lacks.
set -euo pipefail
packages=(
  cmake make g++ googletest python3
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 fonts-wine xvfb xauth imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
