#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine on a private X display.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/check_format.sh
./scripts/check_layers.sh
BUILD_DIR="${BUILD_DIR:-build}"
jobs=$(nproc)
# Xvfb has no window manager: the prefix does not wait for one (cmake/wine-run.sh).
export CORVANE_NO_WM=1
# The first test creates the Wine prefix; do it once before the parallel run.
"$BUILD_DIR/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
# Its session ends first, so that the tests' session starts on the tests' own display.
WINEPREFIX="${CORVANE_WINEPREFIX:-$(cd "$BUILD_DIR" && pwd)/wineprefix}" wineserver -w || true
# The tests that send real input or read the screen run each on a screen of its own (an X display, a Wine session and
# prefix, see cmake/wine-run.sh), as many at a time as build/screens.json lists; the others share one display.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$jobs" --resource-spec-file "$(cd "$BUILD_DIR" && pwd)/screens.json" "$@"
