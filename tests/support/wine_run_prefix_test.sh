#!/usr/bin/env bash
# A run of the build tree's runner as on a desktop (CORVANE_NO_WM=0) leaves the tests' unmanaged prefix as it is:
# it runs in a prefix of its own. Wine is stood in for by scripts that log what they are asked.
set -u
runner=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/wine-run-prefix.XXXXXX")
trap 'rm -rf "$dir"' EXIT
cp "$runner" "$dir/wine-run.sh"
mkdir -p "$dir/bin" "$dir/wineprefix/drive_c"
touch "$dir/wineprefix/.corvane-ready" "$dir/wineprefix/.corvane-unmanaged"
for tool in wine wineserver wineboot; do
  printf '#!/bin/sh\nprintf "%%s\\n" "%s $WINEPREFIX $*" >>"%s/log"\n' "$tool" "$dir" >"$dir/bin/$tool"
  chmod +x "$dir/bin/$tool"
done
run() { env -u CORVANE_WINEPREFIX -u CORVANE_SCREEN_SESSION -u CORVANE_SCREEN_DISPLAY PATH="$dir/bin:$PATH" \
  CORVANE_NO_WM="$1" bash "$dir/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1; }
fail=0
run 0
if grep -q "$dir/wineprefix " "$dir/log" || [ ! -f "$dir/wineprefix/.corvane-unmanaged" ]; then
  echo "a run as on a desktop changed the tests' prefix:"
  cat "$dir/log"
  fail=1
fi
grep -q "^wine $dir/wineprefix-desktop cmd" "$dir/log" || { echo "a run as on a desktop did not run in a prefix of its own"; fail=1; }
: >"$dir/log"
run 1
grep -q "^wine $dir/wineprefix cmd" "$dir/log" || { echo "a test run did not run in the tests' prefix"; cat "$dir/log"; fail=1; }
exit $fail
