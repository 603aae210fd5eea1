#!/usr/bin/env bash
# Installs the Debian packages Orvanel needs to build, test, package and run its demo.
# Idempotent: only what is missing is installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev
  libpng-dev libjpeg-dev libgif-dev libfontconfig-dev libexpat1-dev libudev-dev
  libx11-dev libxi-dev libxext-dev libdrm-dev
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
  fonts-liberation fonts-dejavu-core fonts-wqy-microhei
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils x11-xserver-utils imagemagick sox lame procps ccache
  clang libclang-rt-14-dev strace
  mame
  # Qt Charts: libqt6charts6-dev is only a name qt6-charts-dev provides (dpkg never reports
  # it installed), and that package needs the OpenGL headers it does not pull in.
  qt6-base-dev qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev
  gettext gettext-base qt6-l10n-tools python3
  debhelper lintian dpkg-dev desktop-file-utils appstream librsvg2-bin man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
