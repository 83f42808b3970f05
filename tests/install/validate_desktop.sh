#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators.
#   validate_desktop.sh <data/desktop folder>
set -euo pipefail
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null ||
    { echo "SKIPPED: $tool is not installed (scripts/deps.sh test installs it)"; exit 77; }
done
desktop-file-validate "$1/quillon.desktop"
appstreamcli validate --no-net "$1/quillon.metainfo.xml"
