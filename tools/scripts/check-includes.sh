#!/usr/bin/env bash
# Checks the direction of the #include lines of platform/, engine/ and game/; exits 1 on a wrong one.
#   tools/scripts/check-includes.sh [TREE]      TREE: the repository's top (default: this one)
#   tools/scripts/check-includes.sh --self-test plants wrong includes in a copy and expects failures
#
# 1. The layers: platform/ < engine/ < game/. A file includes its own layer and the ones below it.
# 2. The folders of game/, from the highest to the lowest (a file of game/'s top is in "top"):
#      Entry  the program's entry
#      top    the shell and the front end's screens
#      GUI    the modal windows
#      Pers   the characters
#      Entity the field entities
#      Game   the level's services: field, panel, tables, save and load, effects
#      Util   what every folder uses: the objects' base, hints, text and save formats
#    A file includes headers of its own folder and of the folders below it. Lower folders reach a
#    higher one only through a singleton's header (ALLOWED), so that no two folders include each other
#    and each folder can be read, and changed, without those above it.
#
# PENDING holds the upward includes not yet removed, by folder and header; a new one fails the check,
# one that no longer occurs is reported so that it can be struck off. The list only shrinks.
# Files are found by scanning, so moved and new files need no edit here.
set -euo pipefail

order="Entry top GUI Pers Entity Game Util"

# The singletons' headers a lower folder may include: the getters of the shell, the windows' registry
# and the managers of the achievements, the rivals' board, the characters and the entities' tasks.
allowed="
game/Main.h
game/Profile.h
game/ClipGui.h
game/GUI/GameGuiManager.h
game/GUI/AchievementSystem.h
game/GUI/ProgressBoardManager.h
game/Pers/PersManager.h
game/Pers/PersAnimationManager.h
game/Entity/EntityTaskManager.h
"

# Upward includes still to be replaced by a forward declaration or a small interface: folder, header.
pending="
"

self_test() {
  here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
  tree="$(mktemp -d)"
  trap 'rm -rf "$tree"' EXIT
  cp -r "$here/../../platform" "$here/../../engine" "$here/../../game" "$tree/"
  fails=0

  # expect WHAT CODE [TEXT]: runs the check on the copy; its exit code must be CODE and its output
  # must name TEXT (the planted file), so that a failure for another reason does not count.
  expect() {
    local what="$1" want="$2" text="${3:-}" got=0
    output="$("$here/check-includes.sh" "$tree" 2>&1)" || got=$?
    if [ "$got" -ne "$want" ] || ! grep -qF -- "$text" <<<"$output"; then
      echo "check-includes self-test: $what: exit code $got, expected $want" >&2
      echo "$output" >&2
      fails=$((fails + 1))
    else
      echo "check-includes self-test: $what: exit code $got as expected"
    fi
  }
  # plant FILE LINE: a new file in the copy holding one include.
  plant() {
    mkdir -p "$(dirname "$tree/$1")"
    printf '#pragma once\n%s\n' "$2" >"$tree/$1"
  }
  unplant() { rm -f "$tree/$1"; }

  expect "the tree as it is" 0

  plant engine/Planted.h '#include "game/Main.h"'
  expect "engine/ including game/" 1 "engine/Planted.h:2: includes game/Main.h"
  unplant engine/Planted.h

  plant platform/Planted.h '  #  include <engine/Log/LogManager.h>'
  expect "platform/ including engine/" 1 "platform/Planted.h:2:"
  unplant platform/Planted.h

  # Util is included by every folder: one include back from it closes a circle.
  plant game/Util/Planted.cpp '#include "game/GUI/WindowDialog.h"'
  expect "a circle between Util and GUI" 1 "game/Util/Planted.cpp:2:"
  unplant game/Util/Planted.cpp

  plant game/Game/Planted.h '#include "game/Entity/StoreCellManager.h"'
  expect "a circle between Game and Entity through a header not pending" 1 "game/Game/Planted.h:2:"
  unplant game/Game/Planted.h

  plant game/NewFolder/Planted.h '#include "game/Util/Blank.h"'
  expect "a folder of game/ that the order does not place" 1 "does not place game/NewFolder"
  unplant game/NewFolder/Planted.h

  plant game/Util/Planted.cpp "$(printf '#include "game/Main.h"\n// #include "game/GUI/WindowDialog.h"')"
  expect "a singleton's header from below, and a commented-out include" 0
  unplant game/Util/Planted.cpp

  [ "$fails" -eq 0 ]
}

if [ "${1:-}" = "--self-test" ]; then
  self_test
  exit
fi

tree="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$tree"

find platform engine game -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.inl' -o -name '*.cpp' -o -name '*.cc' \) -print0 |
  sort -z |
  { xargs -0 grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](platform|engine|game)/[^">]+[">]' || true; } |
  awk -v order="$order" -v allowed="$allowed" -v pending="$pending" '
    function folder(path,    parts, n) {
      n = split(path, parts, "/")
      return n == 2 ? "top" : parts[2]
    }
    BEGIN {
      layer["platform"] = 0; layer["engine"] = 1; layer["game"] = 2
      n = split(order, names, " ")
      for (i = 1; i <= n; i++) rank[names[i]] = n - i
      split(allowed, list, "\n")
      for (i in list) if (list[i] != "") isAllowed[list[i]] = 1
      split(pending, list, "\n")
      for (i in list) if (list[i] != "") { isPending[list[i]] = 1; seen[list[i]] = 0 }
      bad = 0; left = 0
    }
    {
      file = $0; sub(/:.*/, "", file)
      line = $0; sub(/^[^:]*:/, "", line); number = line; sub(/:.*/, "", number)
      target = line; sub(/^[^<"]*[<"]/, "", target); sub(/[">].*/, "", target)
      from = file; sub(/\/.*/, "", from)
      to = target; sub(/\/.*/, "", to)
      if (layer[to] > layer[from]) {
        printf "%s:%s: includes %s: %s/ is below %s/\n", file, number, target, from, to
        bad++
        next
      }
      if (from != "game" || to != "game") next
      a = folder(file); b = folder(target)
      if (a == b) next
      if (!(a in rank) || !(b in rank)) {
        printf "%s:%s: includes %s: the folder order in %s does not place game/%s\n", file, number,
          target, "tools/scripts/check-includes.sh", (a in rank) ? b : a
        bad++
        next
      }
      if (rank[b] < rank[a] || (target in isAllowed)) next
      key = a " " target
      if (key in isPending) { seen[key]++; left++; next }
      printf "%s:%s: includes %s: %s is below %s and that header is no singleton'"'"'s\n", file,
        number, target, a, b
      bad++
    }
    END {
      for (key in seen) if (seen[key] == 0) printf "check-includes: no longer included, strike off the pending list: %s\n", key
      if (bad > 0) {
        printf "check-includes: %d include(s) against the layers or the folder order of game/ (%s, highest first);\n", bad, order
        printf "  include a lower folder, a forward declaration or a small interface instead\n"
        exit 1
      }
      printf "check-includes: the layers and the folders of game/ keep their order (%d upward includes still pending)\n", left
    }
  '
