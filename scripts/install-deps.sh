#!/usr/bin/env bash
# Installs what Clipwright needs to build, run and test on Debian 12.
set -euo pipefail
packages=(
  gcc g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
  libopencore-amrnb-dev libmpv-dev libxcb-shape0-dev
  fonts-liberation fonts-wqy-microhei
  googletest libgtest-dev
  ffmpeg xvfb xauth x11-apps x11-utils libx11-dev imagemagick xdotool openbox dbus time
  desktop-file-utils appstream dpkg-dev file procps passwd lintian parallel
  at-spi2-core python3-pyatspi
  util-linux mount coreutils libc-bin
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
