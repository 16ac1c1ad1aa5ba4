#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the windowed runs need.
set -euo pipefail
packages=(cmake ninja-build g++ clang-14 libclang-rt-14-dev pkg-config libgtest-dev libgmock-dev
          libbenchmark-dev libsdl2-dev libfreetype-dev libfontconfig-dev fonts-liberation2 libgif-dev
          xvfb xauth x11-utils binutils tinyproxy-bin desktop-file-utils shared-mime-info xdg-utils
          xdotool x11-apps imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
