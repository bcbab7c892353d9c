#!/usr/bin/env python3
"""Benchmark of the fetch: 200 stored messages from the simulated phone, paced at 9600 baud and
unpaced. usage: python3 bench/phonelink_bench.py [build dir]"""
import json
import os
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)
build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build"))
work = os.path.join(build, "phonesim", "phonelink_bench")
os.makedirs(work, exist_ok=True)


def scenario(baud):
    def msgs(offset):
        out = []
        for i in range(100):
            n = offset + i
            text = ("Pesan nomor %d: rapat besok jam %d, jangan lupa bawa laporan. " % (n, 8 + n % 9)) * (1 + n % 2)
            out.append({"index": i + 1, "stat": 1,
                        "deliver": {"from": "+62812%07d" % n, "text": text[:160],
                                    "ts": "05/05/%02d %02d:%02d:%02d" % (1 + n % 28, n % 24, n % 60, (n * 7) % 60)}})
        return out
    return {"pacing": baud > 0, "baud": baud, "memories": {"ME": {"total": 150, "messages": msgs(0)},
                                       "SM": {"total": 150, "messages": msgs(100)}}}


paths = []
for name, baud in (("bench_paced", 9600), ("bench_unpaced", 0)):
    p = os.path.join(work, name + ".json")
    with open(p, "w") as fh:
        json.dump(scenario(baud), fh)
    paths.append(p)

exe = os.path.join(build, "bench", "phonelink_bench.exe")
if not os.path.exists(exe):
    exe = os.path.join(build, "phonelink_bench.exe")
cmd = [sys.executable, os.path.join(root, "tests", "phone", "sim", "run_with_sim.py"), "--com", "22",
       "--work", os.path.join(work, "sim"), "--", os.path.join(build, "wine-run.sh"), exe] + paths
sys.exit(subprocess.call(cmd))
