#!/usr/bin/env bash
# Start-up time: the wall time from launching the game to its log line "Main menu shown" (written once the
# main menu's first frame is presented), as the median of several runs. Each run skips the two logos with
# a click as players do, and runs with --fixed-step, so that the loading bar's frames (about 80) cost only
# their work, not the bar's animation time. The player is the returning one of tests/fixtures/saves.
# Windowed runs go through SDL's offscreen video driver unless SDL_VIDEODRIVER says otherwise.
#
#   bench/startup.sh BUILD_DIR [headless|gl|software]...   (BUILD_DIR holds wrenfold and its sample data)
#   WF_RUNS=11 bench/startup.sh ...                        (runs per mode; default 11)
#   WF_ARGS= bench/startup.sh ...                          (options instead of --fixed-step: this one paces
#                                                           the loading bar by the clock)
#   WF_MENU_LINE='SetCurrent 2' bench/startup.sh ...       (the line to wait for: this one, written as the
#                                                           menu becomes the screen, also older builds write)
#
# The log goes through a named pipe, so the moment the line is written is seen at once; the load average
# is printed with each figure, since the machine is shared.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?usage: startup.sh BUILD_DIR [headless|gl|software]...}" && pwd)"
shift
modes=("$@")
[ ${#modes[@]} -eq 0 ] && modes=(headless)
runs="${WF_RUNS:-11}"
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf '1 click left\n3 click left\n' >"$work/skip-logos.txt"

mode_options() {
  case "$1" in
  headless) echo "--headless" ;;
  gl | software) echo "--windowed --renderer $1" ;;
  *)
    echo "unknown mode $1 (headless, gl or software)" >&2
    exit 2
    ;;
  esac
}

# Seconds from launch to the menu's line, or "none" when the game ended without writing it.
one_run() {
  local dir="$work/run" start shown=none
  rm -rf "$dir"
  mkdir -p "$dir/saves"
  cp "$here"/../tests/fixtures/saves/*.dat "$dir/saves/"
  mkfifo "$dir/log.log"
  start=$EPOCHREALTIME
  # shellcheck disable=SC2086 # the mode's options are words
  (cd "$dir" && exec "$build/wrenfold" $2 ${WF_ARGS---fixed-step} --data "$build" --save-dir "$dir/saves" \
    --input "$work/skip-logos.txt" --frames 200 >/dev/null 2>&1) &
  local pid=$!
  {
    if grep -q -m1 "${WF_MENU_LINE:-Main menu shown}"; then
      shown=$EPOCHREALTIME
    fi
    cat >/dev/null # the game goes on writing until it ends
  } <"$dir/log.log"
  wait "$pid" || true
  if [ "$shown" = none ]; then
    echo none
  else
    echo "$shown - $start" | bc -l
  fi
}

for mode in "${modes[@]}"; do
  options="$(mode_options "$mode")"
  load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
  times=()
  for _ in $(seq "$runs"); do
    times+=("$(one_run "$mode" "$options")")
  done
  if printf '%s\n' "${times[@]}" | grep -q none; then
    echo "$mode: a run ended without showing the main menu" >&2
    exit 1
  fi
  sorted=($(printf '%s\n' "${times[@]}" | sort -g))
  printf '%-9s median %.3f s (min %.3f, max %.3f) over %d runs; load average %s before, %s after\n' "$mode" \
    "${sorted[$((runs / 2))]}" "${sorted[0]}" "${sorted[$((runs - 1))]}" "$runs" "$load_before" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
done
