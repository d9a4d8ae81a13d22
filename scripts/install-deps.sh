#!/usr/bin/env bash
# Installs what building, running and testing the program needs on Debian 12.
# Idempotent: packages already present are left alone and apt is only asked when one is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    fonts-liberation2 fontconfig libfontconfig-dev
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    xvfb xauth xdotool imagemagick poppler-utils python3 python3-pdfminer
    libdxflib-dev librsvg2-bin python3-ezdxf hershey-fonts-data
    qt6-l10n-tools qt6-translations-l10n
    cups printer-driver-cups-pdf
    libcups2-dev libxcb1-dev
    lintian appstream desktop-file-utils x11-utils file man-db
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    echo "Installing: ${missing[*]}"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
