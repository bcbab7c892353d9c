#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix, creating it once.
set -u
here=$(cd "$(dirname "$0")" && pwd)
# A test that sends real input or reads the screen (CORVANE_SCREEN_SESSION=1, which CTest gives each of them) runs on
# an X display of its own, in a Wine session of its own, in a prefix that the other tests do not use: the prefix of
# the screen CTest gave it (wineprefix-screen<n>, n from CTEST_RESOURCE_GROUP_0_SCREENS, 0 without one; the phone
# simulator's runner picks the same) unless CORVANE_WINEPREFIX names one. One such test at a time uses a prefix. No
# other test program can take its input, move its pointer or cover its windows, and nothing an earlier program left
# in the session (a process, a window, the foreground, a clipped cursor) is there.
if [ "${CORVANE_SCREEN_SESSION:-0}" = 1 ] && [ -z "${CORVANE_SCREEN_DISPLAY:-}" ]; then
  screen=0
  case "${CTEST_RESOURCE_GROUP_0_SCREENS:-}" in
  id:*)
    screen=${CTEST_RESOURCE_GROUP_0_SCREENS#id:}
    screen=${screen%%,*}
    ;;
  esac
  export CORVANE_WINEPREFIX="${CORVANE_WINEPREFIX:-$here/wineprefix-screen$screen}"
  exec 8>"$CORVANE_WINEPREFIX.session.lock"
  flock 8
  # The X server takes a free display number itself, so that servers started at the same moment never meet.
  numfile=$(mktemp "${TMPDIR:-/tmp}/wine-run-display.XXXXXX")
  Xvfb -displayfd 7 -screen 0 1280x1024x24 -nolisten tcp 7>"$numfile" 8>&- >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null; rm -f "$numfile"' EXIT
  for _ in $(seq 200); do
    [ -s "$numfile" ] && break
    sleep 0.05
  done
  if [ ! -s "$numfile" ]; then
    echo "wine-run: no X display of its own came up" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n 1 "$numfile")"
  export CORVANE_SCREEN_DISPLAY=1
  # A test about window order under a window manager (CORVANE_SCREEN_WM=openbox, icewm or metacity) has one on its display, up
  # before the program starts and ended with the session; its prefix is managed (CORVANE_NO_WM=0 from the test). IceWM
  # keeps its task bar, with the system tray the program's icon docks in: it is up once the tray is.
  case "${CORVANE_SCREEN_WM:-}" in
  openbox | icewm | metacity)
    if [ "$CORVANE_SCREEN_WM" = openbox ]; then
      openbox --sm-disable 8>&- >/dev/null 2>&1 &
      ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    elif [ "$CORVANE_SCREEN_WM" = metacity ]; then
      metacity 8>&- >"$numfile.wm" 2>&1 &
      ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    else
      icewm 8>&- >"$numfile.wm" 2>&1 &
      ready() { xwininfo -root -tree 2>/dev/null | grep -q '"SystemTray"'; }
    fi
    wm=$!
    trap 'kill $wm 2>/dev/null; kill $xvfb 2>/dev/null; rm -f "$numfile" "$numfile.wm"' EXIT
    for _ in $(seq 600); do
      ready && break
      sleep 0.05
    done
    if ! ready; then
      echo "wine-run: $CORVANE_SCREEN_WM did not come up" >&2
      cat "$numfile.wm" >&2 2>/dev/null
      exit 1
    fi
    # IceWM on a new display leaves a Wine window inactive at a click until a plain X client has had the focus once
    # (a plain Wine notepad 0 of 3 clicks; after a click into an xmessage, 3 of 3): a desktop a user works on has had
    # that. An xmessage is clicked once before the test starts.
    if [ "$CORVANE_SCREEN_WM" = icewm ]; then
      xmessage -geometry 160x40+40+40 focus 8>&- >/dev/null 2>&1 &
      msg=$!
      for _ in $(seq 100); do
        id=$(xdotool search --name '^xmessage$' 2>/dev/null | head -n 1)
        [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && break
        sleep 0.05
      done
      xdotool mousemove 80 70 click 1 2>/dev/null
      for _ in $(seq 100); do
        xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | grep -q "$(printf '0x%x' "${id:-0}")" && break
        sleep 0.05
      done
      kill $msg 2>/dev/null
      wait $msg 2>/dev/null
    fi
    ;;
  esac
  "$0" "$@"
  exit $?
fi
# The build tree's prefix is the unmanaged one of the tests (CORVANE_NO_WM=1); a run as on a desktop has one of its
# own, so that it never takes the setting out from under a test run of the same tree.
if [ "${CORVANE_NO_WM:-0}" = 1 ]; then
  export WINEPREFIX="${CORVANE_WINEPREFIX:-$here/wineprefix}"
else
  export WINEPREFIX="${CORVANE_WINEPREFIX:-$here/wineprefix-desktop}"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/.corvane-ready" ]; then
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.corvane-ready" ]; then
      rm -rf "$WINEPREFIX"
      if [ "$WINEPREFIX" != "$here/wineprefix" ] && [ -f "$here/wineprefix/.corvane-ready" ]; then
        # Another prefix of the build tree starts as a copy of its first one (seconds instead of a Wine setup),
        # without the keys the tests' programs left under HKCU\Software\Corvane* (settings, a stored bar layout): a
        # program started there starts as on a new machine. The copy's registry file is not in use yet.
        cp -a "$here/wineprefix" "$WINEPREFIX.new" &&
          awk '/^\[/ { skip = index($0, "[Software\\\\Corvane") == 1 } !skip' "$WINEPREFIX.new/user.reg" \
            >"$WINEPREFIX.new/user.reg.new" &&
          mv "$WINEPREFIX.new/user.reg.new" "$WINEPREFIX.new/user.reg" &&
          mv "$WINEPREFIX.new" "$WINEPREFIX"
      else
        wineboot -i >/dev/null 2>&1
        wineserver -w
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
        touch "$WINEPREFIX/.corvane-ready"
      fi
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
  # A screen's session is ended by force further on, which would lose the setting while its mark says it is there:
  # the session the import started ends on its own first, saving the registry.
  [ -n "${CORVANE_SCREEN_DISPLAY:-}" ] && wineserver -w
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
if [ -n "${CORVANE_SCREEN_DISPLAY:-}" ]; then
  # The session of the test's own: what an earlier test left in the prefix ends, and the new session's services and
  # desktop are up before the program's first input; the session ends with the program.
  wineserver -k 2>/dev/null
  wineserver -w
  wineserver -p10 8>&-
  wine cmd /c exit 0 >/dev/null 2>&1 8>&-
  trap 'wineserver -k 2>/dev/null' EXIT
fi
# The Wine session (wineserver and the services, desktop and RPC processes it starts) inherits the
# output of the program that starts it and keeps it open until the session ends, which is after the
# last program of the prefix. A reader of a pipe (a test runner) would wait for all of them, so when
# the output is not a terminal the program writes into a file that is handed on after it ends.
if [ -t 1 ] && [ -z "${CORVANE_SCREEN_DISPLAY:-}" ]; then
  exec wine "$@"
fi
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
# On a loaded machine Wine has been seen to end a program at once, before it wrote a single line;
# a program that has run has always said something. Such a start is tried once more, and said.
for attempt in 1 2; do
  started=$(date +%s%N)
  wine "$@" >"$out" 2>&1 8>&-
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
