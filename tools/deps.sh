#!/usr/bin/env bash
# Installs the Debian packages Kvidrel needs, only those that are missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg62-turbo-dev
          libgtest-dev libbenchmark-dev xvfb xauth fonts-wine fonts-dejavu-core
          qt6-image-formats-plugins qt6-translations-l10n clang-format
          clang-14 libclang-rt-14-dev)
# The desktop flows run on an X server with a window manager, driven by keys
# and clicks through the server.
packages+=(openbox wmctrl xdotool)
# The scalable icon is drawn at build time; the test command checks the
# installed menu entry and metainfo with the desktop's own tools.
packages+=(qt6-svg-dev desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
