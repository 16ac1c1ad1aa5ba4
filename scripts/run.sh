#!/usr/bin/env bash
# Builds the portal and its games (release) and starts it with the build's own data folder.
# Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target rivakel_portal
exec scripts/start-portal.sh build/release "$@"
