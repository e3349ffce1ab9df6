#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
# clang and its runtime for the fuzzers; dpkg-dev and file for the package;
# libuchardet-dev for the viewer's encodings, qt6-svg-dev for SVG pictures,
# qt6-translations-l10n for Qt's Polish texts, which the program loads at start;
# ccache so that a second build of the same sources compiles nothing again.
packages=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good libgl-dev fonts-liberation2 attr
  libuchardet-dev qt6-svg-dev qt6-translations-l10n
  clang libclang-rt-14-dev dpkg-dev file ccache)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
