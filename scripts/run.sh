#!/usr/bin/env bash
# Builds the portal (release) and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target rivakel
exec build/release/Shell/Rivakel/rivakel "$@"
