#!/usr/bin/env bash
# Builds the game (Release) and starts it on the sample data. Options go to the game: ./run.sh --help
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$top/tools/scripts/install-deps.sh"

build="$top/build/release"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWF_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target wrenfold sample_data
cd "$build"
exec ./wrenfold "$@"
