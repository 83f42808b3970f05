#!/usr/bin/env bash
# quillon-calc against two yardsticks, release build:
#  - each command on LINES generated lines against a RapidJSON program that reads each line and
#    writes it back (bench/JsonEcho.cpp): medians of ROUNDS interleaved rounds and the median of
#    the round-by-round ratios;
#  - one call with one line against a bare Qt Core program that echoes a line
#    (bench/CoreEcho.cpp): medians of CALLS interleaved calls.
# Times are the processor time (user and system) of each whole process, which a machine shared
# with other work disturbs far less than the time on the clock.
#   bench/cli-ratios.sh [lines, default 50000] [rounds, default 7] [calls, default 41]
# BUILD names another build folder (default build/release, configured and built here); ONLY, a
# pattern, keeps the commands whose names match it.
set -euo pipefail
cd "$(dirname "$0")/.."
lines="${1:-50000}"
rounds="${2:-7}"
calls="${3:-41}"
build="${BUILD:-build/release}"
if [ -z "${BUILD:-}" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target quillon-calc quillon_json_echo quillon_core_echo >/dev/null
fi
calc="$build/bin/quillon-calc"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# One line a command; @ becomes 100 to 999, so the lines differ.
commands=(
  'annual {"salary":@000,"age":40,"employeeMedAid":1200,"bonus":20000}'
  'monthly {"salary":25@.50,"age":40,"employeeFund":1500}'
  'fortnightly {"salary":12@,"age":40,"employeeFund":700}'
  'weekly {"salary":6@,"age":40,"employeeFund":350}'
  'daily {"salary":1@,"age":40}'
  'quicktax {"taxableIncome":@000,"age":70}'
  'brisvane-annual {"age":40,"package":@000,"medAidEmployee":12000,"beneficiaryMonths":24}'
  'brisvane-monthly {"age":40,"package":25@,"medAidEmployee":1000,"beneficiaries":2}'
  'quillon-annual {"age":40,"netRequired":@000}'
  'quillon-monthly {"age":40,"netRequired":10@}'
  'car-allowance {"vehicleValue":@000,"closeKm":30000,"businessKm":20000}'
  'company-car {"actual3802":126000,"vehicles":[{"price":@000,"startMileage":10000,"endMileage":40000,"businessDistance":12000,"logBook":true}]}'
  'loan {"principal":@000,"period":240,"rate":12}'
  'loan-buster {"principal":@000,"period":240,"rate":12,"extraPayment":200}'
  'loan-comparison {"bondAmount":@000,"rate":10.5}'
  'daily-balance {"capital":@00,"rate":10,"startDate":"01/03/2016","endDate":"01/03/2017"}'
  'inflation {"presentCost":@,"period":2,"rate":10}'
)

# Nanoseconds of processor time one run takes: input file, then program and arguments.
timed() {
  python3 -c '
import os, resource, subprocess, sys
before = resource.getrusage(resource.RUSAGE_CHILDREN)
with open(sys.argv[1], "rb") as i:
    subprocess.run(sys.argv[2:], stdin=i, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
after = resource.getrusage(resource.RUSAGE_CHILDREN)
print(round((after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime) * 1e9))
' "$@"
}
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

echo "$lines lines a command, $rounds interleaved rounds, medians (release build):"
printf '  %-17s %10s %10s %12s %8s\n' command echo calc lines/s ratio
for entry in "${commands[@]}"; do
  command=${entry%% *}
  template=${entry#* }
  [[ -z "${ONLY:-}" || "$command" =~ ${ONLY:-} ]] || continue
  input="$scratch/$command.jsonl"
  awk -v n="$lines" -v t="$template" \
    'BEGIN { for (i = 0; i < n; i++) { l = t; gsub(/@/, 100 + i % 900, l); print l } }' >"$input"
  "$calc" "$command" "$input" >/dev/null || { echo "quillon-calc $command refused a line" >&2; exit 1; }
  echoes=() runs=() ratios=()
  for ((r = 0; r < rounds; r++)); do
    e=$(timed "$input" "$build/bin/quillon_json_echo")
    c=$(timed "$input" "$calc" "$command")
    echoes+=("$e") runs+=("$c")
    ratios+=("$(awk -v c="$c" -v e="$e" 'BEGIN { print c / e }')")
  done
  e=$(median "${echoes[@]}") c=$(median "${runs[@]}")
  awk -v cmd="$command" -v e="$e" -v c="$c" -v n="$lines" -v r="$(median "${ratios[@]}")" \
    'BEGIN { printf "  %-17s %7.1f ms %7.1f ms %12.0f %7.1fx\n", cmd, e / 1e6, c / 1e6, n / (c / 1e9), r }'
done

line="$scratch/one.jsonl"
echo '{"salary":300000,"age":40}' >"$line"
cores=() ones=()
for ((i = 0; i < calls; i++)); do
  cores+=("$(timed "$line" "$build/bin/quillon_core_echo")")
  ones+=("$(timed "$line" "$calc" annual)")
done
c=$(median "${cores[@]}") o=$(median "${ones[@]}")
echo "one call with one line, $calls calls each, medians:"
awk -v c="$c" -v o="$o" 'BEGIN { printf "  bare Qt Core echo %.1f ms, quillon-calc annual %.1f ms, ratio %.2f\n", c / 1e6, o / 1e6, o / c }'
