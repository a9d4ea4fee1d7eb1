#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test: the unit and
# scenario tests (CTest), the save-file loaders under libFuzzer, the kill test, and the game's Release
# build for the runs that want the real speed. With arguments (e.g. -R pattern) only those CTest tests run.
#
# The steps overlap so that the processors stay busy: the Release build compiles beside the sanitizer
# build, so that the automatic player's runs on it (one of them a single long process) go on beside
# CTest instead of after it; the fuzz build compiles at a lower priority in what time is left; the kill
# test and the fuzzers run beside CTest. Each step writes its output to build/test-logs/, which is
# printed when a step fails. The longest tests start first.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$top/tools/scripts/install-deps.sh"
# The includes' direction first: it takes a moment, and a wrong one is found before the long build.
"$top/tools/scripts/check-includes.sh"

build="$top/build/sanitize"
release="$top/build/release"
logs="$top/build/test-logs"
jobs="$(nproc)"
everything=$([ $# -eq 0 ] && echo 1 || echo 0)
mkdir -p "$logs"
started=$(date +%s)
declare -A step_pid=() step_start=()
failed=()
# Each step in a process group of its own, so that a run cut short (a failed build, Ctrl-C) ends the
# steps still going with everything they started.
set -m
trap 'for pid in "${step_pid[@]}"; do kill -- "-$pid" 2>/dev/null || true; done' EXIT

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# CTest runs many games at once: each draws on two threads, not on every processor.
export WF_RENDER_THREADS="${WF_RENDER_THREADS:-2}"

# A step in the background: its output goes to its log, its end is taken by finish.
start() {
  local name="$1"
  shift
  step_start[$name]=$(date +%s)
  ("$@") >"$logs/$name.log" 2>&1 &
  step_pid[$name]=$!
}

# Waits for a step; a failed one prints the end of its log and fails the run once every step is done.
finish() {
  local name="$1" code=0
  wait "${step_pid[$name]}" || code=$?
  unset "step_pid[$name]"
  echo "test.sh: $name $([ $code -eq 0 ] && echo done || echo FAILED) in $(($(date +%s) - step_start[$name])) s" \
    "(at $(($(date +%s) - started)) s)"
  if [ $code -ne 0 ]; then
    tail -60 "$logs/$name.log" >&2
    echo "test.sh: $name failed with $code; its whole output is in $logs/$name.log" >&2
    failed+=("$name")
  fi
  return 0
}

configure_sanitize() {
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWF_SANITIZE=ON >/dev/null
  fi
}

# The game as players get it, without the tests; then what runs on it.
release_steps() {
  if [ ! -f "$release/build.ninja" ]; then
    cmake -S "$top" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  local targets=(wrenfold)
  if ninja -C "$release" -t targets all 2>/dev/null | grep -q '^wf_autoplay:'; then
    targets+=(wf_autoplay)
  fi
  # Half the processors' jobs: with the sanitizer build's beside it, the compilers' memory stays in bounds.
  cmake --build "$release" -j "$((jobs / 2 + 1))" --target "${targets[@]}"
  echo "release build done at $(($(date +%s) - started)) s"

  # The automatic player's run over the whole level series goes here, on this Release build.
  local series="$top/tools/scripts/autoplay-series.sh"
  if [ -x "$series" ]; then
    "$series" "$release"
  fi
}

if [ "$everything" -eq 1 ]; then
  start release release_steps
  # The save-file loaders under libFuzzer (a build of their own with clang) for a few seconds each.
  WF_FUZZ_BUILD_NICENESS=15 start fuzz "$top/tools/scripts/run-fuzz.sh"
fi
configure_sanitize
sanitize_start=$(date +%s)
cmake --build "$build"
echo "test.sh: the sanitizer build took $(($(date +%s) - sanitize_start)) s"

if [ "$everything" -eq 1 ]; then
  # The game killed inside each step of its saving, and at a few random moments: one process at a time,
  # so it runs beside CTest.
  start kill-test "$top/tools/scripts/kill-test.sh" "$build"
fi

ctest_start=$(date +%s)
ctest_code=0
(cd "$build" && ctest --output-on-failure -j "$jobs" "$@") || ctest_code=$?
echo "test.sh: ctest took $(($(date +%s) - ctest_start)) s"
[ $ctest_code -eq 0 ] || failed+=(ctest)

if [ "$everything" -eq 1 ]; then
  finish kill-test
  finish fuzz
  finish release
fi

echo "test.sh: $(($(date +%s) - started)) s in all"
if [ "${#failed[@]}" -ne 0 ]; then
  echo "test.sh: FAILED: ${failed[*]}" >&2
  exit 1
fi
