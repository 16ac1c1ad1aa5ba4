#!/usr/bin/env bash
# Builds everything and runs every test: the debug build, then the sanitizer build.
# Each test binary links the whole stack, so the presets compress debug info (and keep only line
# tables under the sanitizers) to fit both builds on a small disk. With RIVAKEL_DROP_BUILDS=1
# (CI) a build's folder is removed once its tests pass.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in debug asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests"
  ctest --preset "$preset"
  if [ "${RIVAKEL_DROP_BUILDS:-0}" = 1 ]; then
    echo "== $preset folder: $(du -sh "build/$preset" | cut -f1), removed; free: $(df -h --output=avail . | tail -1)"
    rm -rf "build/$preset"
  fi
done
