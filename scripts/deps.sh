#!/usr/bin/env bash
# Installs the Debian 12 packages Quillon 2017 needs, when they are missing.
#   scripts/deps.sh build   what building and running needs
#   scripts/deps.sh test    that, plus what the tests need
set -euo pipefail

build_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-pdf-dev libqt6sql6-sqlite libqt6pdf6 libqt6pdfwidgets6 libgl1-mesa-dev
  qt6-charts-dev libqt6opengl6-dev
  rapidjson-dev libqpdf-dev libsqlite3-dev
  sqlite3 fonts-dejavu-core fonts-liberation2
  dpkg-dev file
)
# Validators of the desktop files; clang with libFuzzer and clang-format for CI; a print server
# with a PDF queue for the printing test.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
  desktop-file-utils appstream clang libclang-rt-14-dev clang-format cups printer-driver-cups-pdf)
display_packages=(xvfb xauth)

wanted=("${build_packages[@]}")
case "${1:-build}" in
  build) wanted+=("${display_packages[@]}") ;;
  test) wanted+=("${test_packages[@]}") ;;
  *) echo "usage: $0 build|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
