#!/usr/bin/env bash
# Fails, naming each file, when a tracked C++ file differs from the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
fmt=clang-format-14
command -v "$fmt" >/dev/null || { echo "check_format: $fmt is not installed" >&2; exit 1; }
bad=0
while IFS= read -r -d '' f; do
  [ -f "$f" ] || continue
  if ! "$fmt" --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f (run: $fmt -i $f)"
    bad=1
  fi
done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
exit $bad
