#!/usr/bin/env bash
# Installs what is missing (Debian 12) and builds into build/: the targets given as arguments
# (e.g. CorvaneSms), or everything (program, tests and benchmarks) when none is given.
# CORVANE_JOBS sets the number of parallel compile jobs (default: the number of processors).
set -euo pipefail
cd "$(dirname "$0")/.."
pkgs="cmake make clang-format-14 g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 fonts-wine xvfb xauth python3 googletest imagemagick openbox icewm metacity x11-utils xdotool"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
BUILD_DIR="${BUILD_DIR:-build}"
jobs="${CORVANE_JOBS:-$(nproc)}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=()
for t in "$@"; do
  targets+=(--target "$t")
done
cmake --build "$BUILD_DIR" -j "$jobs" "${targets[@]}"
