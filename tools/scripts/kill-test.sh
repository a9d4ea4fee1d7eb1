#!/usr/bin/env bash
# Kills the game with SIGKILL at random moments of short scripted runs that save (a run reaches the main
# menu and ends, saving every file of the player), again and again, and checks after each kill that every
# save file is either exactly as it was before the run or complete: accepted by the save checker
# (wf_savedump, which runs the game's own loaders). A save must never be left half written or lost.
#
#   tools/scripts/kill-test.sh [BUILD_FOLDER]     (default build/sanitize)
#   WF_KILL_SECONDS  how long to keep killing (default 60)
#   WF_KILL_SEED     the seed of the kill moments (default: the time; printed, so a failure can be repeated)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$top/build/sanitize}"
seconds="${WF_KILL_SECONDS:-60}"
seed="${WF_KILL_SEED:-$(date +%s)}"
game="$build/wrenfold"
checker="$build/wf_savedump"
for program in "$game" "$checker"; do
  [ -x "$program" ] || { echo "kill test: $program is not built" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
saves="$work/saves"
seed_files="$work/seed"
mkdir -p "$saves" "$work/run" "$work/before" "$seed_files"
# The sample player's files; the level in play is left out (its level is not among the sample levels).
for name in Users.dat Save2_1.dat Save2_2.dat Save2_3.dat Save2_5.dat Save0b.dat; do
  cp "$top/tests/fixtures/saves/$name" "$seed_files/"
done
# Highest level 200 in the map file: the game reads it as 66 and saves that, so each run's map file
# differs from the one before it and a kill can find either.
printf '\310' | dd of="$seed_files/Save2_5.dat" bs=1 seek=5 conv=notrunc status=none
printf '1 click left\n3 click left\n' >"$work/run/skip-logos.txt"
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"

start_game() {
  (cd "$work/run" && exec "$game" --headless --fixed-step --frames 150 --input skip-logos.txt \
    --save-dir "$saves" --data "$build" >/dev/null 2>&1) &
  game_pid=$!
}

now_ms() { date +%s%3N; }

# Every file that was there before the run is still there, and each save file is either unchanged or
# accepted by the checker (exit 0, or 1 for a file kept as it is or with clamped values).
check_saves() {
  local what="$1" name
  for path in "$work/before"/*; do
    name="$(basename "$path")"
    # A half-written file is removed by the next start, as it should be.
    if [[ "$name" != *.tmp ]] && [ ! -e "$saves/$name" ]; then
      echo "kill test ($what): $name is gone" >&2
      return 1
    fi
  done
  for path in "$saves"/*.dat; do
    name="$(basename "$path")"
    if [ -e "$work/before/$name" ] && cmp -s "$path" "$work/before/$name"; then
      continue
    fi
    local code=0
    "$checker" "$path" >"$work/check.txt" 2>&1 || code=$?
    if [ "$code" -gt 1 ]; then
      echo "kill test ($what): $name is neither the old file nor a complete new one:" >&2
      cat "$work/check.txt" >&2
      return 1
    fi
    changed=$((changed + 1))
  done
}

# The save folder as the seed left it, and a copy of it as it was before the run.
reset_saves() {
  find "$saves" -mindepth 1 -delete
  cp -a "$seed_files/." "$saves/"
  find "$work/before" -mindepth 1 -delete
  cp -a "$saves/." "$work/before/"
}

# One whole run first: how long a run lasts, and that it leaves the files complete.
reset_saves
started=$(now_ms)
start_game
# The map file is the last one a run saves: when it changes, the saving is done.
saved_ms=0
while kill -0 "$game_pid" 2>/dev/null; do
  if [ "$saved_ms" -eq 0 ] && ! cmp -s "$saves/Save2_5.dat" "$seed_files/Save2_5.dat"; then
    saved_ms=$(($(now_ms) - started))
  fi
  sleep 0.01
done
wait "$game_pid" || { echo "kill test: the run without a kill failed" >&2; exit 1; }
run_ms=$(($(now_ms) - started))
[ "$saved_ms" -gt 0 ] || saved_ms=$run_ms
changed=0
check_saves "a whole run"
cmp -s "$saves/Save2_5.dat" "$seed_files/Save2_5.dat" && { echo "kill test: the run saved no map file" >&2; exit 1; }

RANDOM=$seed
echo "kill test: runs of $run_ms ms, saved by $saved_ms ms; killed at random moments for $seconds s" \
  "(WF_KILL_SEED=$seed)"
kills=0
changed=0
half_written=0
deadline=$(($(date +%s) + seconds))
while [ "$(date +%s)" -lt "$deadline" ]; do
  reset_saves
  # Mostly within half a second of the moment the whole run had saved, sometimes anywhere in the run.
  if [ $((RANDOM % 4)) -eq 0 ]; then
    delay_ms=$((RANDOM % run_ms))
  else
    delay_ms=$((saved_ms > 500 ? saved_ms - 500 + RANDOM % 1000 : RANDOM % 1000))
  fi
  start_game
  sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
  kill -9 "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  kills=$((kills + 1))
  check_saves "kill $kills after $delay_ms ms"
  if compgen -G "$saves/*.tmp" >/dev/null; then
    half_written=$((half_written + 1))
  fi
done

# A last whole run removes what a killed save left half written (one is planted should no kill have
# left any).
printf 'half' >"$saves/Users.dat.tmp"
start_game
wait "$game_pid" || { echo "kill test: the run after the kills failed" >&2; exit 1; }
if compgen -G "$saves/*.tmp" >/dev/null; then
  echo "kill test: a half-written file is still there after a start: $(ls "$saves"/*.tmp)" >&2
  exit 1
fi
echo "kill test: $kills kills ($half_written inside a save's write); every save file was old or complete" \
  "($changed new files checked by the save checker)"
