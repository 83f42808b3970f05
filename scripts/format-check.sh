#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it (.clang-format). The files
# in .ci/format-pending are skipped until whoever next works on them formats them; take a file
# off the list when you do.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t pending < <(grep -v '^#' .ci/format-pending 2>/dev/null | sed '/^$/d')
files=()
while IFS= read -r f; do
  skip=
  for p in "${pending[@]}"; do [ "$f" = "$p" ] && skip=1 && break; done
  [ -z "$skip" ] && files+=("$f")
done < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "clang-format: ${#files[@]} files formatted, ${#pending[@]} pending"
