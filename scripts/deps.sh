#!/usr/bin/env bash
# Installs what the build, the tests and the desktop integration need on a
# Debian machine. Safe to run again.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-serialport-dev qt6-qpa-plugins libgl-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-dev
  poppler-utils xdg-utils shared-mime-info desktop-file-utils libfile-mimeinfo-perl fonts-liberation
  dpkg-dev lintian appstream
  xvfb openbox xdotool imagemagick
  postgresql libqt6sql6-sqlite libqt6sql6-psql
  bash-completion zsh fish
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
