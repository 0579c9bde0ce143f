#!/usr/bin/env bash
# Installs what Tarnveil needs to build and test on Debian 12. Safe to run again: it does
# nothing when every package is already present. libqt6gui6 carries Qt's "offscreen" platform
# plugin, with which the command line and the tests draw labels without a display; libqt6svg6
# draws the application's SVG icons and qt6-image-formats-plugins reads WebP and TIFF.
# qt6-tools-dev and qt6-l10n-tools compile the translation
# catalogues, qt6-translations-l10n holds Qt's own texts in the same languages, and
# fonts-wqy-microhei draws Japanese, Korean and Chinese. xvfb, xdotool, x11-utils and
# imagemagick run the application on a virtual display for scripts/screenshots.sh.
# dpkg-dev builds the .deb; desktop-file-utils and appstream validate the desktop entry and the AppStream metadata.
# dbus-daemon (with dbus-run-session) gives the screen-capture tests a private session bus.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libicu-dev nlohmann-json3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6gui6 libopencv-imgproc-dev libpng-dev libjpeg62-turbo-dev fonts-dejavu-core
  libtesseract-dev tesseract-ocr-eng tesseract-ocr
  fonts-liberation2 fonts-noto-mono fonts-hack fonts-open-sans
  libqt6svg6 qt6-image-formats-plugins
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
  xvfb xdotool x11-utils imagemagick
  dpkg-dev
  desktop-file-utils appstream
  dbus-daemon
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]} (run as root, or install them with apt-get)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
