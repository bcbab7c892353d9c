#!/usr/bin/env bash
# Sets up and builds the program (scripts/setup.sh CorvaneSms; the tests are built by
# scripts/test.sh), then starts Corvane SMS under Wine.
#
# The phone: unless another port is set, the simulated phone (tests/phone/sim) answers on the
# default port COM4 with a few demo messages; it stops when the program ends. Another port is set
#   - by CORVANE_PORT: a Windows port name ("COM5:", "\\.\COM12"), stored as the program's
#     "Connection" setting, or a serial device of this machine (/dev/ttyUSB0, /dev/rfcomm0), linked
#     as the COM port that "Connection" names (COM4 by default);
#   - or by the "Connection" value in HKCU\Software\Corvane\Corvane SMS\Settings of the Wine prefix
#     (anything other than "COM4:").
# Without a display ($DISPLAY empty) the program runs on a virtual screen (xvfb-run), which has no
# window manager: the Wine prefix then does not wait for one (CORVANE_NO_WM, cmake/wine-run.sh).
# The prefix is one of its own (build/wineprefix-desktop), as on any desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build="$root/${BUILD_DIR:-build}"
run="$build/wine-run.sh"
exe="$build/CorvaneSms.exe"
key='HKCU\Software\Corvane\Corvane SMS\Settings'
# The program's own prefix (build/wineprefix-desktop), never the tests' one: it holds only what the program itself
# stored at earlier runs.
export CORVANE_WINEPREFIX="${CORVANE_WINEPREFIX:-$build/wineprefix-desktop}"
export WINEPREFIX="$CORVANE_WINEPREFIX"
if [ -n "${DISPLAY:-}" ]; then
  export CORVANE_NO_WM=0
else
  export CORVANE_NO_WM=1
fi
default_port="COM4:"

# The Wine prefix of the build tree (created once, about 15 s), made without a display so that
# Wine's "configuration is being updated" window never shows; its processes end before the
# program starts. When Wine is installed already, it is made while the program builds.
make_prefix() {
  mkdir -p "$build"
  env -u DISPLAY CORVANE_WINEPREFIX="$WINEPREFIX" "$root/cmake/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
  env -u DISPLAY wineserver -w >/dev/null 2>&1 || true
}
prefix_pid=""
if [ ! -f "$WINEPREFIX/.corvane-ready" ] && command -v wine >/dev/null 2>&1; then
  echo "Preparing the Wine prefix $WINEPREFIX (once) while the program builds."
  make_prefix &
  prefix_pid=$!
fi

./scripts/setup.sh CorvaneSms

if [ -n "$prefix_pid" ]; then
  wait "$prefix_pid" || true
fi
if [ ! -f "$WINEPREFIX/.corvane-ready" ]; then
  echo "Preparing the Wine prefix $WINEPREFIX (once)."
  make_prefix
fi

# The port the program will use: the "Connection" setting, or the default.
connection=$("$run" reg query "$key" /v Connection 2>/dev/null | tr -d '\r' |
  sed -n 's/^.*Connection[[:space:]]*REG_SZ[[:space:]]*//p' | head -n 1 || true)
port="${connection:-$default_port}"

# The COM port number of a Windows port name ("COM4:", "com4", "\\.\COM12"), or nothing.
com_number() {
  echo "$1" | sed -n 's/^\(\\\\\.\\\)\{0,1\}[Cc][Oo][Mm]\([0-9]\{1,3\}\):\{0,1\}$/\2/p'
}

use_sim=1
if [ -n "${CORVANE_PORT:-}" ]; then
  use_sim=0
  case "$CORVANE_PORT" in
    /*)
      n=$(com_number "$port")
      if [ -z "$n" ]; then
        n=4
        port="$default_port"
        "$run" reg add "$key" /v Connection /t REG_SZ /d "$port" /f >/dev/null
      fi
      mkdir -p "$WINEPREFIX/dosdevices"
      ln -sfn "$CORVANE_PORT" "$WINEPREFIX/dosdevices/com$n"
      echo "Phone: $CORVANE_PORT, linked as COM$n (\"Connection\" = \"$port\")."
      ;;
    *)
      port="$CORVANE_PORT"
      "$run" reg add "$key" /v Connection /t REG_SZ /d "$port" /f >/dev/null
      echo "Phone: \"Connection\" set to \"$port\" (CORVANE_PORT)."
      ;;
  esac
elif [ -n "$(com_number "$port")" ] && [ "$(com_number "$port")" = 4 ]; then
  use_sim=1
else
  use_sim=0
  echo "Phone: the port of the \"Connection\" setting, \"$port\"."
fi

sim_pid=""
link="$WINEPREFIX/dosdevices/com4"
old_link=""
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=""
    # The simulator removes its own link; put back what was there before.
    if [ -n "$old_link" ] && [ ! -e "$link" ] && [ ! -L "$link" ]; then
      ln -s "$old_link" "$link"
    fi
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ "$use_sim" = 1 ]; then
  work="$build/phonesim/run"
  rm -rf "$work"
  mkdir -p "$work/ctl" "$WINEPREFIX/dosdevices"
  [ -L "$link" ] && old_link=$(readlink "$link")
  python3 "$root/tests/phone/sim/phonesim.py" --link "$link" --ctl "$work/ctl" \
    --scenario "${CORVANE_SIM_SCENARIO:-demo}" --transcript "$work/transcript.txt" --ready "$work/ready" &
  sim_pid=$!
  for _ in $(seq 1 250); do
    [ -f "$work/ready" ] && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "The simulated phone did not start." >&2; exit 1; }
    sleep 0.02
  done
  [ -f "$work/ready" ] || { echo "The simulated phone did not start." >&2; exit 1; }
  echo "Phone: the simulated phone on COM4 with demo messages (File > Terima fetches them)."
  echo "       Its dialogue is logged in $work/transcript.txt."
fi

# Without a sound card ALSA reports every sound device it cannot open (16 lines per start of the
# sound system); those lines are dropped, everything else the program writes is shown.
quiet_alsa() {
  grep -v --line-buffered '^ALSA lib ' >&2 || true
}

echo "Starting $exe"
if [ -n "${DISPLAY:-}" ]; then
  "$run" "$exe" 2> >(quiet_alsa)
else
  echo "Note: no display (DISPLAY is not set): the program runs on a virtual screen (xvfb-run) and"
  echo "      is not visible. Run this script in a graphical session to see its window; Ctrl+C ends it."
  xvfb-run -a -s "-screen 0 1280x1024x24" "$run" "$exe" 2> >(quiet_alsa)
fi
