#!/usr/bin/env bash
# Start-up time of Quillon 2017 against a bare Qt MDI window with a menu: each program is
# started RUNS times (alternating), and the median time from start until its window takes input,
# and the ratio of the two, are printed. Then the memory each holds once idle: the median
# resident set of IDLE_RUNS runs, read 3 s after the start. Uses the display in DISPLAY, else Xvfb when installed,
# else the offscreen platform.
#   bench/startup.sh [build folder, default build/dev] [runs, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
runs="${2:-15}"
bin="$build/bin"
for exe in quillon quillon_bare_mdi; do
  [ -x "$bin/$exe" ] || { echo "$bin/$exe is missing: build first" >&2; exit 1; }
done

if [ -z "${DISPLAY:-}" ] && [ -z "${STARTUP_UNDER_XVFB:-}" ] && command -v xvfb-run >/dev/null; then
  STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

# The program in a scratch folder with its own data files, the disclaimer already accepted
# and the update check pointed at a server that takes the connection and never answers (the
# worst case: start-up must not wait for it).
scratch=$(mktemp -d)
listener=
trap '[ -n "$listener" ] && kill "$listener"; rm -rf "$scratch"' EXIT
python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(64)
print(s.getsockname()[1], flush=True)
held = []
while True:
    held.append(s.accept()[0])
' >"$scratch/port" &
listener=$!
for _ in $(seq 50); do [ -s "$scratch/port" ] && break; sleep 0.1; done
port=$(cat "$scratch/port")
mkdir "$scratch/app"
for f in "$bin"/*; do ln -s "$(realpath "$f")" "$scratch/app/"; done
for f in quillon bcdv.mdb Settings.mdb Crysprin.mdb; do
  rm -f "$scratch/app/$f"
  cp "$bin/$f" "$scratch/app/"
done
sqlite3 "$scratch/app/bcdv.mdb" \
  "UPDATE ProgramState SET VAR1 = 32767, ViewAbout = 0, UpdateAddress = 'http://127.0.0.1:$port/'"

# Each program prints "ready <microseconds since the epoch>" when its window first takes input;
# the time counted is from just before the start to that moment (tearing down at exit is not
# start-up). The time to the program's exit is shown as well.
now() { echo $(($(date +%s%N) / 1000)); }
run() { # program... -> "<to ready> <to exit>" in microseconds
  local t0 ready t1
  t0=$(now)
  ready=$("$@" 2>/dev/null | awk '/^ready / {print $2}')
  t1=$(now)
  [ -n "$ready" ] || { echo "$1 did not report ready" >&2; exit 1; }
  echo "$((ready - t0)) $((t1 - t0))"
}
declare -a program bare program_exit bare_exit
for ((i = 0; i < runs; i++)); do
  read -r r e < <(QUILLON_QUIT_WHEN_READY=1 run "$scratch/app/quillon")
  program+=("$r"); program_exit+=("$e")
  read -r r e < <(QUILLON_QUIT_WHEN_READY=1 run "$bin/quillon_bare_mdi")
  bare+=("$r"); bare_exit+=("$e")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
ms() { awk -v u="$1" 'BEGIN { printf "%.1f ms", u / 1000 }'; }
p=$(median "${program[@]}")
b=$(median "${bare[@]}")
echo "platform ${QT_QPA_PLATFORM:-xcb}, $runs runs each, medians:"
echo "                   to an interactive window   to exit"
echo "  Quillon 2017     $(ms "$p")                    $(ms "$(median "${program_exit[@]}")")"
echo "  bare MDI window  $(ms "$b")                    $(ms "$(median "${bare_exit[@]}")")"
awk -v p="$p" -v b="$b" 'BEGIN { printf "  ratio            %.2f\n", p / b }'

# Resident memory (kB) of a program left idle for 3 s after its start, and that of the update
# check's own program if it is still waiting for the server then (0 when it has ended).
idle_rss() {
  "$@" >/dev/null 2>&1 &
  local pid=$! rss helper=0 child
  sleep 3
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  for child in $(pgrep -P "$pid" || true); do
    helper=$(awk '/^VmRSS/ {print $2}' "/proc/$child/status" 2>/dev/null || echo 0)
  done
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$rss $helper"
}
idle_runs="${IDLE_RUNS:-5}"
declare -a program_rss bare_rss helper_rss
for ((i = 0; i < idle_runs; i++)); do
  read -r r h < <(idle_rss "$scratch/app/quillon")
  program_rss+=("$r"); helper_rss+=("$h")
  read -r r h < <(idle_rss "$bin/quillon_bare_mdi")
  bare_rss+=("$r")
done
p=$(median "${program_rss[@]}")
b=$(median "${bare_rss[@]}")
echo "idle resident memory, $idle_runs runs each, medians:"
awk -v p="$p" -v b="$b" 'BEGIN { printf "  Quillon 2017 %.1f MB, bare MDI window %.1f MB, ratio %.2f\n", p / 1024, b / 1024, p / b }'
awk -v h="$(median "${helper_rss[@]}")" \
  'BEGIN { printf "  the update check'"'"'s own program, still waiting for the server: %.1f MB\n", h / 1024 }'
