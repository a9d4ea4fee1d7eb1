#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$top/tools/scripts/install-deps.sh"

build="$top/build/sanitize"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWF_SANITIZE=ON >/dev/null
fi
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"

# The save-file loaders under libFuzzer for a few seconds each, and the game killed at random moments
# for about a minute while it saves (both skipped when only some tests were asked for).
if [ $# -eq 0 ]; then
  "$top/tools/scripts/run-fuzz.sh"
  "$top/tools/scripts/kill-test.sh" "$build"
  # The automatic player over every level and the whole main road, in a Release build of its own.
  "$top/tools/scripts/autoplay-series.sh"
fi
