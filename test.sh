#!/usr/bin/env bash
# Builds everything and runs every test through CTest; CTest's summary is the last thing printed.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$ROOT/scripts/setup.sh"
install_missing_packages
configure_and_build
cd "$ROOT/build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
