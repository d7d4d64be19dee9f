#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Orvelline needs.
# Idempotent and non-interactive; safe to run again. clang and its OpenMP
# runtime serve the thread-sanitizer build of the tile render.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libfltk1.3-dev libx11-dev
  liblcms2-dev
  libfreetype-dev
  libvigraimpex-dev libopenexr-dev libtiff-dev libpng-dev libjpeg-dev
  libboost-dev
  nlohmann-json3-dev
  libsigc++-2.0-dev
  gettext
  fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  clang-14 libomp-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
