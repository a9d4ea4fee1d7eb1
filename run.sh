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

# The game runs in its build folder; paths given on the command line are meant from where run.sh was
# started, so they are made absolute first.
absolute() { case "$1" in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --input | --save-dir | --data)
      args+=("$1")
      [ $# -gt 1 ] && { args+=("$(absolute "$2")"); shift; }
      ;;
    --screenshot)
      args+=("$1")
      if [ $# -gt 1 ]; then
        case "$2" in
          *:*) args+=("${2%%:*}:$(absolute "${2#*:}")") ;;
          *) args+=("$2") ;;
        esac
        shift
      fi
      ;;
    *) args+=("$1") ;;
  esac
  shift
done
cd "$build"
exec ./wrenfold "${args[@]}"
