#!/usr/bin/env bash
# Set up, build and run the whole test suite (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)"
