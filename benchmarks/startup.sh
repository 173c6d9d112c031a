#!/usr/bin/env bash
# Start-up time of the desktop program: from launch to a painted main window
# with the last job reopened (a US Letter 3 x 10 job of 3 000 address labels),
# under Xvfb. GORVIN_EXIT_AFTER_START makes the program end as soon as its
# first show is done; the line it writes then splits each run into the
# start-up and the exit (closing the window and writing the settings).
# Reports the best and the median of ten runs of each.
# Usage: benchmarks/startup.sh [PATH/TO/gorvin]
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
GORVIN="${1:-$HERE/../build-bench/src/gorvin}"
RUNS=10
work="$(mktemp -d)"
trap 'rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" GORVIN_PROGRAM_FOLDER="$work/program"
unset QT_QPA_PLATFORM

awk 'BEGIN { for (i = 1; i <= 3000; i++)
  printf "Mr John Addressee %d\n%d Long Meadow Street\nSpringfield Heights\nIL 62704-%04d\n\n", i, i % 997 + 1, i % 10000 }' \
  > "$work/addresses.txt"
cp "$HERE/data/letter-3x10-addresses.GVJ" "$work/job.GVJ"
# The job reopened at start is the one the settings name as open at exit.
mkdir -p "$work/config/Mardo"
cat > "$work/config/Mardo/Gorvin.ini" <<INI
[Software]
Mardo\\Gorvin\\v2\\Files\\Current\\Job=$work/job.GVJ
INI

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
XVFB_PID=$!
sleep 1
export DISPLAY="$display"
cd "$work" # the job names its data file relative to here

# One run: sets started_ms (launch to the painted window) and exit_ms (from
# there to the process's end).
run_once() {
  local start started="" end line
  : > "$work/err"
  [ -n "${BEFORE_RUN:-}" ] && "$BEFORE_RUN"
  start=$EPOCHREALTIME
  while IFS= read -r line; do
    [ -z "$started" ] && [[ $line == "started with job"* ]] && started=$EPOCHREALTIME
    echo "$line" >> "$work/err"
  done < <(GORVIN_EXIT_AFTER_START=1 "$GORVIN" 2>&1 >/dev/null)
  end=$EPOCHREALTIME
  grep -q "started with job '$work/job.GVJ', 100 pages" "$work/err" || { echo "the job was not reopened:" >&2; cat "$work/err" >&2; exit 1; }
  started_ms=$(awk -v a="$start" -v b="$started" 'BEGIN { printf "%d", (b - a) * 1000 }')
  exit_ms=$(awk -v a="$started" -v b="$end" 'BEGIN { printf "%d", (b - a) * 1000 }')
}

# Ten runs: prints the start-up and exit times, their best and median.
report() { # title start-target exit-target
  local starts=() exits=() sorted
  for _ in $(seq 1 "$RUNS"); do
    run_once
    starts+=("$started_ms")
    exits+=("$exit_ms")
  done
  echo "== $1"
  sorted=($(printf "%s\n" "${starts[@]}" | sort -n))
  echo "start-up: ${starts[*]} ms; best ${sorted[0]} ms, median ${sorted[$((RUNS / 2))]} ms (target: under $2 ms)"
  sorted=($(printf "%s\n" "${exits[@]}" | sort -n))
  echo "exit:     ${exits[*]} ms; best ${sorted[0]} ms, median ${sorted[$((RUNS / 2))]} ms (target: under $3 ms)"
}

report "startup (launch to painted main window with the last job reopened), then exit" 300 1000

# The same start with a settings file of 100 000 entries: the recent-jobs
# list grown by hand far past its 100 items (the store reads such a file once,
# not once per value).
# Each run gets the file afresh: the exit before it wrote the list back
# at its 100 items.
hand_grown_settings() {
  {
    echo "[Software]"
    echo "Mardo\\Gorvin\\v2\\Files\\Current\\Job=$work/job.GVJ"
    echo "Mardo\\Gorvin\\v2\\Files\\Closed\\JobCOUNT=100"
    awk -v dir="$work" 'BEGIN { for (i = 0; i < 100000; i++)
      printf "Mardo\\Gorvin\\v2\\Files\\Closed\\Job%d=%s/Jobs/Addresses %d.GVJ\n", i, dir, i }'
  } > "$work/config/Mardo/Gorvin.ini"
}
BEFORE_RUN=hand_grown_settings
report "startup with a settings file of 100 000 entries, then exit" 1000 1000
# The exit through the main window's own close request (its questions and
# its writes to the store), which this script cannot send without a window
# manager: the benchmark program beside this build closes the real window.
settings_bench="$(dirname "$GORVIN")/../benchmarks/bench_settings"
if [ -x "$settings_bench" ]; then
  echo "== exit with a settings file of 100 000 entries (target: under 1000 ms)"
  QT_QPA_PLATFORM=offscreen "$settings_bench" --benchmark_filter=Exit
fi
