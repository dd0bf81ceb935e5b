#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quillon needs,
# skipping the ones already present so a prepared machine is not touched.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  nlohmann-json3-dev libxlsxwriter-dev pkg-config clang libclang-rt-14-dev clang-format
  python3 python3-xlrd python3-openpyxl dpkg-dev
  qt6-base-dev fonts-wqy-microhei xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
