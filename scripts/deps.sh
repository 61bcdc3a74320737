#!/usr/bin/env bash
# Installs the Debian packages Mirvane needs, only those that are missing.
# Sourced by scripts/play and scripts/test.
set -euo pipefail

mirvane_install() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What every build needs.
MIRVANE_BUILD_PKGS=(g++ cmake make pkg-config qt6-base-dev libgl-dev libxrandr-dev fonts-dejavu-core fonts-liberation)
# The display-mode test runs the program on its own Xvfb, through Qt's xcb plugin; the format
# of every C++ file is checked with clang-format.
MIRVANE_TEST_PKGS=(libgtest-dev libgmock-dev googletest libbenchmark-dev xvfb qt6-qpa-plugins clang-format)
MIRVANE_PLAY_PKGS=(xvfb xauth imagemagick xdotool libqt6gui6 qt6-qpa-plugins)
