#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and UBSan and runs each for a
# bounded time (FUZZ_SECONDS, default 30) from its seed corpus in fuzz/corpus/. A crash, a
# leak or a sanitizer report fails the run and leaves the input in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target quillon_fuzzers
findings=build/fuzz/findings
mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen LC_ALL=C
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for name in leading_number date json_line layout; do
  seeds=(fuzz/corpus/$name)
  [ "$name" = layout ] && seeds+=(data/layouts)
  work=$(mktemp -d)
  echo "fuzzing $name for ${seconds} s"
  if ! build/fuzz/bin/fuzz_$name -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -artifact_prefix="$findings/$name-" -print_final_stats=1 "$work" "${seeds[@]}" \
      >"$findings/$name.log" 2>&1; then
    tail -40 "$findings/$name.log"
    echo "fuzz_$name found a problem; the input is in $findings/" >&2
    rm -rf "$work"
    exit 1
  fi
  grep -E "^(stat::number_of_executed_units|#[0-9]+ +DONE)" "$findings/$name.log" || true
  rm -rf "$work"
done
