#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only when some are missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-dev pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins libxcb1-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb openbox trayer xdotool imagemagick x11-utils dbus-x11
  desktop-file-utils appstream man-db python3-pyatspi gir1.2-atspi-2.0 at-spi2-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
