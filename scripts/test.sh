#!/usr/bin/env bash
# Builds everything and runs every test: the debug build, then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in debug asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests"
  ctest --preset "$preset"
done
