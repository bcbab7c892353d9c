#!/usr/bin/env python3
"""Runs a test program with a small disk that fills up: a tmpfs of --size mounted at --mount.

The program gets the mount as CORVANE_FULL_DISK (a Windows path on Z:); where mounting is not
possible (not root, no tmpfs) the variable is not set and the tests that need it skip.
"""
import argparse
import os
import subprocess
import sys


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--mount", required=True)
    ap.add_argument("--size", default="16k")
    ap.add_argument("command", nargs=argparse.REMAINDER)
    args = ap.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    os.makedirs(args.mount, exist_ok=True)
    subprocess.run(["umount", args.mount], stderr=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=" + args.size, "tmpfs", args.mount],
                             stderr=subprocess.DEVNULL, stdout=subprocess.DEVNULL).returncode == 0
    env = dict(os.environ)
    if mounted:
        env["CORVANE_FULL_DISK"] = "Z:" + os.path.abspath(args.mount).replace("/", "\\")
    else:
        print("note: no tmpfs could be mounted at %s; the full-disk tests skip" % args.mount)
    try:
        return subprocess.run(command, env=env).returncode
    finally:
        if mounted and subprocess.run(["umount", args.mount], stderr=subprocess.DEVNULL).returncode != 0:
            subprocess.run(["umount", "-l", args.mount])


if __name__ == "__main__":
    sys.exit(main())
