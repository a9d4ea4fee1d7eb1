#!/usr/bin/env bash
# Builds the save-file fuzz targets with clang and libFuzzer and runs each for a few seconds, starting
# from the hand-built save fixtures. Any crash, leak or sanitizer finding fails the run.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${WF_FUZZ_SECONDS:-3}"
build="$top/build/fuzz"
# test.sh builds this beside its other builds at a lower priority; the fuzzing itself runs at the usual one.
niceness="${WF_FUZZ_BUILD_NICENESS:-0}"

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWF_FUZZ=ON \
    -DWF_BUILD_TESTS=OFF >/dev/null
fi
nice -n "$niceness" cmake --build "$build" --target wf_fuzz_targets

declare -A seeds=(
  [UserList]=Users.dat [Settings]=Save2_1.dat [Achievements]=Save2_2.dat [Upgrades]=Save2_3.dat
  [LevelInPlay]=Save2_4.dat [Map]=Save2_5.dat [BestTimes]=Save0b.dat [LevelFile]=../level/lev01.lev
  [EntityRecords]=EntityRecords.dat [CharacterRecords]=CharacterRecords.dat [StoreRecords]=StoreRecords.dat
)
# A level file holds its grids whole: about 5 KB.
declare -A lengths=([LevelFile]=16384)
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The loaders side by side: each fuzzer is one process, and each runs for its seconds of the clock.
declare -A pids=()
for loader in "${!seeds[@]}"; do
  corpus="$build/corpus/$loader"
  mkdir -p "$corpus"
  cp "$top/tests/fixtures/saves/${seeds[$loader]}" "$corpus/"
  (cd "$build" && exec "$build/fuzz/wf_fuzz_$loader" -max_total_time="$seconds" -max_len="${lengths[$loader]:-4096}" \
    -seed=1 -print_final_stats=0 "$corpus" 2>"$build/fuzz-$loader.log") &
  pids[$loader]=$!
done
status=0
for loader in "${!pids[@]}"; do
  if wait "${pids[$loader]}"; then
    echo "Fuzzed the $loader loader for $seconds s: $(grep -h "DONE" "$build/fuzz-$loader.log" || true)"
  else
    tail -40 "$build/fuzz-$loader.log" >&2
    echo "The $loader loader failed under fuzzing; see $build/fuzz-$loader.log" >&2
    status=1
  fi
done
exit "$status"
