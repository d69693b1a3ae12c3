#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quintaro
# need, skipping those already installed. Runs apt-get as root, or via sudo.
set -euo pipefail

packages=(
    # Toolchain and build
    g++ cmake make pkgconf
    # Engine and driver
    googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    # Window and plots
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
    # Fonts standing in for "MS Sans Serif" and "Arial"
    fonts-dejavu-core fonts-liberation
    # A display for the window when there is no screen, and screenshots
    xvfb xauth xdotool imagemagick x11-utils
    # Fuzzers
    clang libclang-rt-14-dev
    # Package building and checks
    dpkg-dev file desktop-file-utils appstream groff-base
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
