#!/usr/bin/env bash
# Builds everything and runs every test through CTest; CTest's summary is the last thing printed.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$ROOT/scripts/setup.sh"
install_missing_packages
configure_and_build
export QT_QPA_PLATFORM=offscreen
exec ctest --test-dir "$ROOT/build" --output-on-failure --parallel "$(nproc)" --timeout 600
