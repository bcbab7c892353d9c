#!/usr/bin/env python3
"""Starts the built program as scripts/run.sh does: a Wine prefix of its own, the simulated phone
with the demo messages on COM4, the program with its sounds and skins in a folder of its own; the
driver (program_smoke_driver.exe) answers the start's box, checks the window, fetches once and
closes it. Usage: program_smoke.py <build dir> <source dir> <driver.exe>"""
import os
import shutil
import subprocess
import sys


def main():
    build, source, driver = sys.argv[1:4]
    work = os.path.join(build, "smoke")
    prog = os.path.join(work, "program")
    shutil.rmtree(prog, ignore_errors=True)
    os.makedirs(os.path.join(prog, "skins"))
    shutil.copy(os.path.join(build, "CorvaneSms.exe"), prog)
    for name in ("finish_rec.wav", "sent.wav", "newmsg.wav", "tap-icon.wav", "phone-tone.wav"):
        shutil.copy(os.path.join(build, name), prog)
    for name in ("chess.gif", "chess-w.gif"):
        shutil.copy(os.path.join(build, "skins", name), os.path.join(prog, "skins"))
    env = dict(os.environ)
    env["CORVANE_WINEPREFIX"] = os.path.join(work, "wineprefix")
    wine_run = os.path.join(build, "wine-run.sh")
    exe = "Z:" + os.path.abspath(os.path.join(prog, "CorvaneSms.exe")).replace("/", "\\")
    cmd = [sys.executable, os.path.join(source, "tests", "phone", "sim", "run_with_sim.py"), "--com", "4",
           "--scenario", "demo", "--work", os.path.join(work, "sim"), "--", wine_run, driver, exe]
    rc = subprocess.call(cmd, env=env)
    # The prefix's Wine processes end with the test.
    subprocess.call(["wineserver", "-k"], env={**env, "WINEPREFIX": env["CORVANE_WINEPREFIX"]},
                    stderr=subprocess.DEVNULL)
    return rc


if __name__ == "__main__":
    sys.exit(main())
