#!/usr/bin/env python3
"""`tintorium-cli scale --batch` (argv[1]) on 100,000 bases, by lightness and by contrast: the median wall time and
processor time of SCALE_ROUNDS runs (3 by default) against the target of 2 s, and the output checked for one scale
of eleven steps per base."""
import os
import random
import resource
import statistics
import subprocess
import sys
import tempfile
import time

ROUNDS = int(os.environ.get("SCALE_ROUNDS", "3"))
BASES = 100_000
TARGET = 2.0


def run_once(cli, bases_path, args):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    began = time.perf_counter()
    with open(bases_path, "rb") as bases, tempfile.TemporaryFile() as out:
        status = subprocess.run([cli, "scale", "--batch", *args], stdin=bases, stdout=out).returncode
        wall = time.perf_counter() - began
        out.seek(0)
        lines = out.read().splitlines()
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    if status != 0 or len(lines) != BASES or any(len(line.split()) != 11 for line in lines[:1000]):
        sys.exit(f"scale --batch {' '.join(args)}: exit {status}, {len(lines)} lines")
    return wall, cpu


def main():
    cli = sys.argv[1]
    random.seed(21)
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as bases:
        bases.write("".join(f"{random.randrange(1 << 24):06X}\n" for _ in range(BASES)))
    try:
        for name, args in (("lightness", []), ("contrast", ["--mode", "contrast"])):
            runs = [run_once(cli, bases.name, args) for _ in range(ROUNDS)]
            wall = statistics.median(r[0] for r in runs)
            cpu = statistics.median(r[1] for r in runs)
            verdict = "within" if wall < TARGET else "OVER"
            print(f"scale --batch {name:9} {BASES} bases: wall {wall:.2f} s, cpu {cpu:.2f} s "
                  f"({cpu / BASES * 1e6:.1f} us a scale) - {verdict} the {TARGET:.0f} s target")
    finally:
        os.unlink(bases.name)


if __name__ == "__main__":
    main()
