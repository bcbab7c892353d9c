#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix, creating it once.
set -u
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="${CORVANE_WINEPREFIX:-$here/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/.corvane-ready" ]; then
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.corvane-ready" ]; then
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1
      wineserver -w
      mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
      cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
      touch "$WINEPREFIX/.corvane-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
