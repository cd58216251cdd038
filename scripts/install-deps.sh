#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ googletest
    clang libclang-rt-14-dev
    libx11-dev libxdamage-dev libxtst-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64
    xvfb xauth openbox xdotool x11-utils x11-xserver-utils
    xserver-xorg-core xserver-xorg-video-dummy
    imagemagick zip ghostscript printer-driver-cups-pdf fonts-dejavu-core
    fonts-wqy-microhei fonts-noto-core locales
    libboost-dev nlohmann-json3-dev curl jq zbar-tools
    chromium chromium-driver python3-selenium
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The QR code generator is built from its Debian source, fetched into build/.
bash "$(dirname "$0")/fetch-qrcodegen.sh"
