#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
set -euo pipefail
packages=(qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6-dev cmake ninja-build g++
          xvfb xauth fonts-dejavu-core imagemagick poppler-utils clang-format python3
          libemf-dev emf2svg desktop-file-utils appstream librsvg2-bin
          clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
