#!/usr/bin/env bash
# Installs what is missing, builds Quillon 2017 (release) and starts it.
# Without a display it starts under a virtual X server (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake --preset release -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset release
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/bin/quillon "$@"
else
  echo "No display found: starting Quillon 2017 under xvfb-run."
  exec xvfb-run -a -s "-screen 0 1280x900x24" build/release/bin/quillon "$@"
fi
