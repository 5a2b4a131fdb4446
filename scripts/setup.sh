#!/usr/bin/env bash
# Installs what a new machine lacks (Debian packages) and builds the program.
# Safe to run again: packages already present are skipped, the build is incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql
  qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev libsqlite3-dev libxlsxwriter-dev zlib1g-dev libgl-dev
  googletest libgtest-dev
  fonts-noto-cjk fonts-wqy-microhei
  xvfb xauth poppler-utils unzip clang-format qt6-translations-l10n
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR="${BUILD_DIR:-build}"
BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE"
fi
cmake --build "$BUILD_DIR" -j "$(nproc)" "$@"
