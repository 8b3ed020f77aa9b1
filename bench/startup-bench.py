#!/usr/bin/env python3
"""Start-up against the floor: starts the empty window (argv[1]) and the program (argv[2]) alternately, each with
--exit-when-shown under a fresh settings folder, times each from the start to its "shown" line, reads its peak
resident memory (VmHWM) at that moment, and prints the medians and their ratio. Runs offscreen unless
QT_QPA_PLATFORM says otherwise."""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROUNDS = int(os.environ.get("STARTUP_ROUNDS", "15"))


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    # utime and stime, fields 14 and 15 of /proc/PID/stat (after the command name in parentheses)
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def start_once(program, home):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"))
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    began = time.perf_counter()
    child = subprocess.Popen([program, "--exit-when-shown"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, env=env)
    line = child.stdout.readline()
    elapsed = time.perf_counter() - began
    peak = peak_kib(child.pid)
    cpu = cpu_seconds(child.pid)
    child.stdin.close()
    child.wait(timeout=30)
    if line.strip() != b"shown":
        sys.exit(f"{program} did not report its window shown")
    return elapsed, peak, cpu


def main():
    empty, program = sys.argv[1], sys.argv[2]
    times = {empty: [], program: []}
    peaks = {empty: [], program: []}
    cpus = {empty: [], program: []}
    with tempfile.TemporaryDirectory() as home:
        start_once(empty, home)  # warms the file cache for both
        start_once(program, home)
        for _ in range(ROUNDS):
            for exe in (empty, program):
                elapsed, peak, cpu = start_once(exe, home)
                times[exe].append(elapsed)
                peaks[exe].append(peak)
                cpus[exe].append(cpu)
    for label, exe in (("empty window", empty), ("tintorium", program)):
        print(f"{label:13s} median {statistics.median(times[exe]) * 1000:7.1f} ms   "
              f"peak RSS {statistics.median(peaks[exe]) / 1024:5.1f} MB   (min {min(times[exe]) * 1000:.1f} ms)   "
              f"CPU {statistics.mean(cpus[exe]) * 1000:6.1f} ms")
    ratio = statistics.median(times[program]) / statistics.median(times[empty])
    # CPU time (user and system, mean of clock ticks) is less disturbed than wall time on a busy machine.
    cpu_ratio = statistics.mean(cpus[program]) / statistics.mean(cpus[empty])
    print(f"ratio of medians {ratio:.2f} (goal 1.5 or less); tintorium peak RSS "
          f"{statistics.median(peaks[program]) / 1024:.1f} MB (goal under 40 MB), {ROUNDS} rounds")
    print(f"ratio of CPU time to shown {cpu_ratio:.2f}")


if __name__ == "__main__":
    main()
