#!/usr/bin/env bash
# Installs the Debian 12 packages Vantiko needs to build, run and test.
set -euo pipefail
packages=(
  g++ cmake ninja-build ccache clang-format
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-pdf-dev qt6-translations-l10n
  fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
