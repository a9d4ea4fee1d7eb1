#!/usr/bin/env bash
# Processor time of a level frame: level 1 played by tests/fixtures/play/lev01-won.txt (the sample player
# "Bob", headless, --fixed-step), run to frame FIRST and to frame LAST; the difference of the two runs'
# processor time (user + system, all threads), divided by the frames between, is what a frame of the level
# in play costs. Several builds are measured side by side, run after run in turn, and the median of the
# runs is printed for each; the load average is printed too, since the machine is shared.
#
#   bench/level-frame.sh BUILD_DIR...        (each holds wrenfold and its sample data)
#   WF_RUNS=5 WF_FIRST=700 WF_LAST=1900 bench/level-frame.sh ...
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
[ $# -ge 1 ] || { echo "usage: level-frame.sh BUILD_DIR..." >&2; exit 2; }
runs="${WF_RUNS:-5}"
first="${WF_FIRST:-700}"
last="${WF_LAST:-1900}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Processor seconds of one run to the given frame.
cpu_of_run() {
  local build="$1" frames="$2" dir="$work/run"
  rm -rf "$dir"
  mkdir -p "$dir/saves"
  cp "$here"/../tests/fixtures/saves/{Users.dat,Save2_?.dat,Save0b.dat} "$dir/saves/"
  /usr/bin/time -f "%U %S" -o "$dir/time" \
    bash -c 'cd "$1" && exec "$2/wrenfold" --headless --fixed-step --data "$2" --save-dir "$1/saves" \
      --input "$3" --frames "$4" >/dev/null 2>&1' _ "$dir" "$build" "$here/../tests/fixtures/play/lev01-won.txt" "$frames"
  awk '{ print $1 + $2 }' "$dir/time"
}

declare -A samples
for ((run = 0; run < runs; ++run)); do
  for build in "$@"; do
    short=$(cpu_of_run "$build" "$first")
    long=$(cpu_of_run "$build" "$last")
    samples[$build]+="$(awk -v a="$short" -v b="$long" -v n=$((last - first)) 'BEGIN { printf "%.3f\n", (b - a) * 1000 / n }') "
  done
done
for build in "$@"; do
  median=$(printf '%s\n' ${samples[$build]} | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  printf '%-40s %6s ms of processor time per level frame (runs: %s)\n' "$build" "$median" "${samples[$build]}"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
