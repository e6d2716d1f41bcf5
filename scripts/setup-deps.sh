#!/usr/bin/env bash
# Installs the Debian 12 packages the driver and its tests need.
# Runs apt-get only when something is missing; uses sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev libhidapi-dev libudev-dev libx11-dev libxext-dev
  libxi-dev libglib2.0-dev gsettings-desktop-schemas dbus-daemon
  fonts-wqy-zenhei
  xvfb xauth xdotool
  dpkg-dev lintian
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
