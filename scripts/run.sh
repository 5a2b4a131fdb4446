#!/usr/bin/env bash
# Set up, build and start the program on its embedded database (created with the
# demonstration data on first start). Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
exec "${BUILD_DIR:-build}/wygl" "$@"
