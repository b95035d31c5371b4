#!/usr/bin/env bash
# Builds the editor and starts it; every argument is passed on to the editor.
#   ./run.sh                 the interactive editor
#   ./run.sh -master eng     the window-less master build (see README)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$ROOT/scripts/setup.sh"
install_missing_packages
configure_and_build
source "$ROOT/scripts/install_env.sh"
exec "$ROOT/build/src/torvale-editor" "$@"
