#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fuzzers need,
# only when some are missing.
set -euo pipefail
packages=(
  cmake g++ make pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libsimpleini-dev libgraphicsmagick1-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  clang libclang-rt-14-dev
  qt6-multimedia-dev libcdio-dev libcdio-paranoia-dev libzip-dev
  xvfb xauth poppler-utils chromium
  desktop-file-utils appstream dpkg-dev adwaita-icon-theme locales
  x11-utils groff-base file
  lintian xdg-utils shared-mime-info libfile-mimeinfo-perl
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The tests read numbers under a comma-decimal locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
