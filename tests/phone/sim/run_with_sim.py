#!/usr/bin/env python3
"""Runs a Windows test program with a simulated phone linked as a COM port of the Wine prefix.

usage: run_with_sim.py --com N --work DIR [--scenario NAME] -- WINE_RUN EXE [ARGS...]

Starts phonesim.py on a fresh pty, links it as dosdevices/comN of the runner's Wine prefix, runs the program with
CORVANE_SIM_PORT ("COMN:" or "\\\\.\\COMN"), CORVANE_SIM_CTL (control directory, as a Windows path on Z:) and
CORVANE_SIM_SCENARIOS set, then stops the simulator and answers the program's exit code.
"""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def win_path(p):
    return "Z:" + os.path.abspath(p).replace("/", "\\")


def wine_prefix(wine_run):
    """The Wine prefix that the runner (cmake/wine-run.sh) starts the program in."""
    if os.environ.get("CORVANE_WINEPREFIX"):
        return os.environ["CORVANE_WINEPREFIX"]
    build = os.path.dirname(os.path.abspath(wine_run))
    if os.environ.get("CORVANE_SCREEN_SESSION") == "1":
        # A test on a screen of its own: the prefix of the screen CTest gave it ("id:<n>,slots:1"), else screen 0.
        screen = os.environ.get("CTEST_RESOURCE_GROUP_0_SCREENS", "")
        n = screen[3:].split(",")[0] if screen.startswith("id:") else "0"
        return os.path.join(build, "wineprefix-screen" + n)
    # A run as on a desktop has a prefix of its own beside the tests' unmanaged one.
    return os.path.join(build, "wineprefix" if os.environ.get("CORVANE_NO_WM") == "1" else "wineprefix-desktop")


def main():
    argv = sys.argv[1:]
    if "--" not in argv:
        print("usage: run_with_sim.py --com N --work DIR -- WINE_RUN EXE [ARGS]", file=sys.stderr)
        return 2
    cut = argv.index("--")
    ap = argparse.ArgumentParser()
    ap.add_argument("--com", type=int, required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--scenario")
    args = ap.parse_args(argv[:cut])
    cmd = argv[cut + 1:]
    wine_run = cmd[0]

    prefix = wine_prefix(wine_run)
    if not os.path.exists(os.path.join(prefix, ".corvane-ready")):
        # The runner creates the prefix once (under its own lock).
        subprocess.run([wine_run, "cmd", "/c", "exit", "0"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    dosdevices = os.path.join(prefix, "dosdevices")
    os.makedirs(dosdevices, exist_ok=True)
    link = os.path.join(dosdevices, "com%d" % args.com)

    work = os.path.abspath(args.work)
    ctl = os.path.join(work, "ctl")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(ctl)
    ready = os.path.join(work, "ready")
    sim_cmd = [sys.executable, os.path.join(HERE, "phonesim.py"), "--link", link, "--ctl", ctl,
               "--transcript", os.path.join(work, "transcript.txt"), "--ready", ready]
    if args.scenario:
        sim_cmd += ["--scenario", args.scenario]
    # A time-out of the test runner ends this wrapper by a signal: stop the simulator then too.
    def on_signal(signum, frame):
        raise SystemExit(128 + signum)
    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)
    sim = subprocess.Popen(sim_cmd)
    try:
        deadline = time.monotonic() + 10
        while not os.path.exists(ready):
            if sim.poll() is not None or time.monotonic() > deadline:
                print("phone simulator did not start", file=sys.stderr)
                return 3
            time.sleep(0.02)
        env = dict(os.environ)
        # COM1 to COM9 are device names of their own; higher numbers need the device path.
        env["CORVANE_SIM_PORT"] = ("COM%d:" % args.com) if args.com < 10 else ("\\\\.\\COM%d" % args.com)
        env["CORVANE_SIM_CTL"] = win_path(ctl)
        env["CORVANE_SIM_SCENARIOS"] = win_path(os.path.join(HERE, "scenarios"))
        env["CORVANE_SIM_WORK"] = win_path(work)
        rc = subprocess.call(cmd, env=env)
    finally:
        sim.terminate()
        try:
            sim.wait(5)
        except subprocess.TimeoutExpired:
            sim.kill()
            sim.wait()
    return rc


if __name__ == "__main__":
    sys.exit(main())
