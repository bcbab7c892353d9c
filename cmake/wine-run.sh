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
# On a display without a window manager (Xvfb) Wine waits 2 s for one at every hide or destroy of
# a shown top-level window; CORVANE_NO_WM=1 (set by the test command and by the run command's
# virtual screen) turns its windows unmanaged so that it does not. Without CORVANE_NO_WM=1 the
# prefix is kept as on a desktop: the setting goes again.
unmanaged="$WINEPREFIX/.corvane-unmanaged" # present while the setting is in the prefix
# Sets ("N") or takes out (-) the X11 driver's "Managed" value of the prefix.
x11_managed() {
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"=%s\r\n' \
    "$1" >"$WINEPREFIX/drive_c/corvane-x11.reg"
  wine reg import 'C:\corvane-x11.reg' >/dev/null 2>&1
  local rc=$?
  rm -f "$WINEPREFIX/drive_c/corvane-x11.reg"
  return $rc
}
if [ "${CORVANE_NO_WM:-0}" = 1 ]; then
  if [ ! -f "$unmanaged" ]; then
    (
      flock 9
      if [ ! -f "$unmanaged" ]; then
        x11_managed '"N"' && touch "$unmanaged"
      fi
    ) 9>"$WINEPREFIX.lock"
  fi
elif [ -f "$unmanaged" ]; then
  (
    flock 9
    if [ -f "$unmanaged" ]; then
      x11_managed - && rm -f "$unmanaged"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# The Wine session (wineserver and the services, desktop and RPC processes it starts) inherits the
# output of the program that starts it and keeps it open until the session ends, which is after the
# last program of the prefix. A reader of a pipe (a test runner) would wait for all of them, so when
# the output is not a terminal the program writes into a file that is handed on after it ends.
if [ -t 1 ]; then
  exec wine "$@"
fi
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
# On a loaded machine Wine has been seen to end a program at once, before it wrote a single line;
# a program that has run has always said something. Such a start is tried once more, and said.
for attempt in 1 2; do
  started=$(date +%s%N)
  wine "$@" >"$out" 2>&1
  rc=$?
  ms=$((($(date +%s%N) - started) / 1000000))
  if [ $rc -eq 0 ] || [ -s "$out" ] || [ $ms -ge 1000 ]; then
    break
  fi
  echo "wine-run: $1 ended with code $rc after $ms ms without a word (attempt $attempt)" >&2
done
cat "$out"
rm -f "$out"
exit $rc
