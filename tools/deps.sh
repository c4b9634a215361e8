#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need
# (clang and its runtime for the fuzz targets).
set -euo pipefail
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins
          libcurl4-openssl-dev libbenchmark-dev python3 python3-pyftpdlib
          fonts-noto-color-emoji fonts-dejavu-core libgl-dev xvfb xauth
          clang libclang-rt-14-dev)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
