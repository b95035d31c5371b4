#!/usr/bin/env bash
# Builds the editor and runs it on the sample game installation.
# ./run.sh            opens the editor
# ./run.sh -master    builds Master.dat of the sample installation (any further tokens are passed on)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$ROOT/scripts/setup.sh"
install_missing_packages
configure_and_build
source "$ROOT/scripts/install_env.sh"
exec "$ROOT/build/src/torvale-editor" "$@"
