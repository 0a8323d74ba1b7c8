#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the lab and the packaging
# need. Does nothing when they are all there already.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libsmbclient-dev
  samba smbclient iproute2 xvfb xauth xdotool imagemagick python3 procps
  fonts-liberation2 fonts-wine
  dpkg-dev file lintian man-db desktop-file-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  [[ $EUID -eq 0 ]] || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
