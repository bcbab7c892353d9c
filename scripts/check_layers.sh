#!/usr/bin/env bash
# Fails, printing each offending line, when a file includes a header of a higher layer. Layers from the bottom:
# platform/ and phone/, then toolkit/foundation, menus_dialogs, docking, bars_tabs, extras, then app/. Where a toolkit
# folder must ask what kind of higher object it deals with, one source of that folder answers; only it reaches up.
set -euo pipefail
cd "$(dirname "$0")/.."

allowed=(
  toolkit/foundation/ExtKindOf.cpp
  toolkit/menus_dialogs/ExtMenuKindOf.cpp
  toolkit/docking/ExtDockingKindOf.cpp
)

files=()
while IFS= read -r -d '' f; do
  [ -f "$f" ] && files+=("$f")
done < <(git ls-files -z --cached --others --exclude-standard -- 'platform/*' 'phone/*' 'toolkit/*' 'app/*')

awk -v allowed="${allowed[*]}" '
    function rank(path)
    {
      if (path ~ /^(platform|phone)\//) return 0
      if (path ~ /^toolkit\/foundation\//) return 1
      if (path ~ /^toolkit\/menus_dialogs\//) return 2
      if (path ~ /^toolkit\/docking\//) return 3
      if (path ~ /^toolkit\/bars_tabs\//) return 4
      if (path ~ /^toolkit\/extras\//) return 5
      if (path ~ /^app\//) return 6
      return -1
    }
    BEGIN { n = split(allowed, a, " "); for (i = 1; i <= n; i++) skip[a[i]] = 1 }
    FNR == 1 { own = (FILENAME in skip) ? -1 : rank(FILENAME) }
    own >= 0 && /^[ \t]*#[ \t]*include[ \t]*"/ {
      target = $0
      sub(/^[^"]*"/, "", target)
      sub(/".*$/, "", target)
      if (rank(target) > own) { printf "upward include: %s:%d: %s\n", FILENAME, FNR, $0; bad = 1 }
    }
    END { exit bad }
  ' "${files[@]}"
