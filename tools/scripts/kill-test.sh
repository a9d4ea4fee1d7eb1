#!/usr/bin/env bash
# Kills the game with SIGKILL while short scripted runs save (a run reaches the main menu and ends, saving
# every file of the player), and checks after each kill that every save file is either exactly as it was
# before the run or complete: accepted by the save checker (wf_savedump, which runs the game's own
# loaders). A save must never be left half written or lost.
#
# The kills inside a save are not left to chance: the library wf_kill_in_write, loaded into the game,
# ends it in the middle of each write of a temporary file and just before each rename of one over its
# file, one run per step, as many as a whole run has. A few kills at random moments follow.
#
#   tools/scripts/kill-test.sh [BUILD_FOLDER]     (default build/sanitize)
#   WF_KILL_RANDOM   how many kills at random moments (default 4)
#   WF_KILL_SEED     the seed of the random moments (default: the time; printed, so a failure can be repeated)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "${1:-$top/build/sanitize}" && pwd)"
random_kills="${WF_KILL_RANDOM:-4}"
seed="${WF_KILL_SEED:-$(date +%s)}"
game="$build/wrenfold"
checker="$build/wf_savedump"
shim="$build/wf_kill_in_write.so"
for program in "$game" "$checker" "$shim"; do
  [ -e "$program" ] || { echo "kill test: $program is not built" >&2; exit 1; }
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

# The sanitizers' runtime has to be the first library loaded, before the kill library.
preload="$shim"
asan="$(ldd "$game" | awk '/libasan/ {print $3}')"
[ -z "$asan" ] || preload="$asan $shim"

# The game in the background; KEY=VALUE arguments are set in its environment (the kill library's).
start_game() {
  (cd "$work/run" && exec env LD_PRELOAD="$preload" "$@" "$game" --headless --fixed-step --frames 150 --input skip-logos.txt \
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

# One whole run first: how long a run lasts, every step of its saving, and that it leaves the files
# complete.
reset_saves
trace="$work/trace.txt"
started=$(now_ms)
start_game WF_KILL_TRACE="$trace"
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
writes=$(grep -c '^write ' "$trace" || true)
renames=$(grep -c '^rename ' "$trace" || true)
if [ "$writes" -eq 0 ] || [ "$renames" -eq 0 ]; then
  echo "kill test: the kill library saw no save written through a temporary file (trace: $trace):" >&2
  cat "$trace" >&2 || true
  exit 1
fi
echo "kill test: a run saves in $writes writes and $renames renames of temporary files"

kills=0
changed=0
half_written=0

# One run per step of the saving, killed there: the run is --fixed-step, so each one saves as the traced
# run did and reaches the step. $1: the kill library's variable, $2: the step, $3: what it is called.
kill_at_step() {
  local variable="$1" step="$2" what="$3" code=0
  reset_saves
  start_game "$variable=$step"
  wait "$game_pid" 2>/dev/null || code=$?
  kills=$((kills + 1))
  if [ "$code" -ne 137 ]; then
    echo "kill test: the run to be killed at $what ended with $code instead of SIGKILL (137)," \
      "so it never reached that step" >&2
    exit 1
  fi
  check_saves "killed at $what"
  if ! compgen -G "$saves/*.tmp" >/dev/null; then
    echo "kill test: killed at $what, yet no temporary file is there" >&2
    exit 1
  fi
  half_written=$((half_written + 1))
}
for step in $(seq "$writes"); do
  kill_at_step WF_KILL_IN_WRITE "$step" "write $step of $writes ($(sed -n "/^write /{s/^write //;p}" "$trace" | sed -n "${step}p" | xargs basename))"
done
for step in $(seq "$renames"); do
  kill_at_step WF_KILL_BEFORE_RENAME "$step" "rename $step of $renames"
done

# Kills at random moments: between the steps as well (the folder's sync, the keeping aside of a damaged
# file, the start's own clean-up), mostly near the moment the whole run had saved.
RANDOM=$seed
echo "kill test: runs of $run_ms ms, saved by $saved_ms ms; $random_kills kills at random moments" \
  "(WF_KILL_SEED=$seed)"
for _ in $(seq "$random_kills"); do
  reset_saves
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

# A last whole run removes what a killed save left half written (one is planted as well).
printf 'half' >"$saves/Users.dat.tmp"
start_game
wait "$game_pid" || { echo "kill test: the run after the kills failed" >&2; exit 1; }
if compgen -G "$saves/*.tmp" >/dev/null; then
  echo "kill test: a half-written file is still there after a start: $(ls "$saves"/*.tmp)" >&2
  exit 1
fi
echo "kill test: $kills kills ($half_written inside a save's write); every save file was old or complete" \
  "($changed new files checked by the save checker)"
