#!/usr/bin/env bash
# Installs what is missing, builds Quillon 2017 with its tests and benchmarks, and runs the
# tests headless. Pass "asan" to build and test under AddressSanitizer and UBSan instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
scripts/deps.sh test
jobs=$(nproc)
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$jobs"
QT_QPA_PLATFORM=offscreen LC_ALL=C ctest --preset "$preset" -j "$jobs"
