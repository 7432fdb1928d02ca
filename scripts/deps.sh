#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need.
# As root it installs what is missing; otherwise it prints the one command to run.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6-dev qt6-multimedia-dev
  libjpeg-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
  kdegames-card-data-kf5 fonts-dejavu-core xvfb xauth
  # the install and package tests: validators, man, the .deb, a real display
  # the translations: lupdate and lrelease, the checks and generators
  qt6-l10n-tools python3
  desktop-file-utils appstream man-db groff-base file dpkg-dev xdotool lintian
  # the window manager test: a real window manager and its window properties
  openbox x11-utils
  # the accessibility test: a session bus, the AT-SPI bus and its Python client
  dbus-daemon at-spi2-core python3-pyatspi
  # the Wayland test: a headless compositor and Qt's Wayland platform
  weston qt6-wayland
  # the house style (scripts/check_style.sh)
  clang-format-14 clang-tidy-14
)
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "These packages are missing. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
