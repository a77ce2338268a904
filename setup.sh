#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when any is missing (ccache and
# lld only make the build faster: the build uses them when they are there).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-declarative-dev
          qt6-datavisualization-dev qt6-charts-dev libqt6sql6-sqlite libqt6opengl6-dev libgl-dev libgtest-dev
          fonts-dejavu-core xvfb xauth libgl1-mesa-dri poppler-utils python3 ccache lld
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
