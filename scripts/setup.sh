#!/usr/bin/env bash
# Installs whatever Debian packages are missing, then configures and builds Sleevora in
# build/. Safe to run again: present packages are not reinstalled and the build is
# incremental.
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(
    g++ make cmake
    qt6-base-dev libfreeimage-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation2
    fp-utils xchm xdg-utils
    desktop-file-utils appstream dpkg-dev
    xvfb xdotool poppler-utils
    clang-format lintian libglib2.0-dev pkg-config libqpdf-dev libjpeg-dev
    libtag1-dev libuchardet-dev ffmpeg flac lame vorbis-tools opus-tools sox
    liblcms2-dev libturbojpeg0-dev colord-data
    imagemagick libimage-exiftool-perl ghostscript
    cups printer-driver-cups-pdf
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build -j"$(nproc)"
