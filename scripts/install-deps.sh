#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested.
set -euo pipefail

# dpkg-dev and file: the package's dependencies read from its libraries;
# poppler-utils: the tests read the PDFs of printouts and of the manual.
packages=(g++ cmake make pkgconf qt6-base-dev libgl-dev libarchive-dev libfreexl-dev libgsf-1-dev
          libxlsxwriter-dev xvfb xauth fonts-liberation dpkg-dev file poppler-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
