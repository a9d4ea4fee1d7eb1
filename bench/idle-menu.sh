#!/usr/bin/env bash
# The cost of an idle main menu in a window: the game's CPU time over 10 seconds (all its threads, from
# /proc/PID/stat) as a share of one core, and its frame rate (from the wall time of two runs that differ
# by 600 frames, so that the start-up cancels out). Runs under SDL's offscreen video driver unless
# SDL_VIDEODRIVER says otherwise.
#
#   bench/idle-menu.sh BUILD_DIR [auto|gl|software]... (BUILD_DIR holds wrenfold and its sample data; auto
#                                                        leaves the choice to the game, as a player's start)
#   WF_ARGS=--fixed-step bench/idle-menu.sh ...         (more options for the game: this one turns pacing off)
#   WF_SETTLE=20 bench/idle-menu.sh ...                 (seconds before measuring; default 20)
#   WF_WINDOWS=3 bench/idle-menu.sh ...                 (10-second windows measured one after another, each
#                                                        printed; default 1: other work on the machine moves
#                                                        a single window's figure by a fifth)
#
# The logos and the main menu's loading come first: on a loaded machine they take well over 10 s with
# OpenGL, so the measurement starts only once the menu stands idle.
set -euo pipefail
build="$(cd "${1:?usage: idle-menu.sh BUILD_DIR [auto|gl|software]...}" && pwd)"
shift
renderers=("$@")
[ ${#renderers[@]} -eq 0 ] && renderers=(gl software)
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
ticks=$(getconf CLK_TCK)
saves="$(mktemp -d)"
trap 'rm -rf "$saves"' EXIT

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
renderer_option() { [ "$1" = auto ] || echo "--renderer $1"; }

wall_for_frames() {
  local start end
  start=$(date +%s.%N)
  (cd "$build" && ./wrenfold --windowed $(renderer_option "$1") --frames "$2" --save-dir "$saves" ${WF_ARGS:-} >/dev/null 2>&1)
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

echo "load: $(cat /proc/loadavg)"
for renderer in "${renderers[@]}"; do
  (cd "$build" && exec ./wrenfold --windowed $(renderer_option "$renderer") --save-dir "$saves" ${WF_ARGS:-} >/dev/null 2>&1) &
  pid=$!
  sleep "${WF_SETTLE:-20}" # start-up, the logos and the way to the main menu
  shares=()
  for ((window = 0; window < ${WF_WINDOWS:-1}; ++window)); do
    before=$(cpu_ticks "$pid")
    sleep 10
    after=$(cpu_ticks "$pid")
    shares+=("$(echo "($after - $before) * 100 / ($ticks * 10)" | bc -l | xargs printf '%.1f')")
  done
  kill -TERM "$pid"
  wait "$pid" || true
  short=$(wall_for_frames "$renderer" 300)
  long=$(wall_for_frames "$renderer" 900)
  printf '%-9s CPU %s %% of a core over 10 s; %5.1f frames per second\n' "$renderer" \
    "${shares[*]}" "$(echo "600 / ($long - $short)" | bc -l)"
done
