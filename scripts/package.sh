#!/usr/bin/env bash
# Builds Quillon 2017 optimised and makes the Debian package build/release/quillon_*.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake --preset release -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset release -j "$(nproc)"
(cd build/release && cpack -G DEB)
ls build/release/quillon_*.deb
