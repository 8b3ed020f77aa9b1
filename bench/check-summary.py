#!/usr/bin/env python3
"""Runs tintorium_bench (argv[1]) on two benchmarks, alone and with repetitions (all rows shown, or only the
aggregate rows), and checks that the summary after the table gives each benchmark's mean rate from the rows and
the ratio of those means."""
import json
import os
import re
import subprocess
import sys
import tempfile

OURS = ("BM_RGBToLab/", "Tintorium RGBToLab, one at a time")
LCMS = ("BM_LittleCMS_RGB8ToLab16/", "Little CMS 2, TYPE_RGB_8 -> Lab_16")
RATIO = "ratio RGBToLab / Little CMS 2 integer"


def mean_rates(report):
    """Each benchmark's mean items per second over its repetition rows."""
    rates = {}
    for row in report["benchmarks"]:
        if row.get("run_type") == "iteration":
            rates.setdefault(row["run_name"], []).append(row["items_per_second"])
    return {name: sum(values) / len(values) for name, values in rates.items()}


def printed(summary, label):
    match = re.search(re.escape(label) + r"\s+(-?[0-9.]+)", summary)
    if not match:
        sys.exit(f"check-summary: no line '{label}' in the summary:\n{summary}")
    return float(match.group(1))


def check(bench, extra):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "rows.json")
        args = [bench, "--benchmark_filter=" + "|".join(re.escape(b) for b, _ in (OURS, LCMS)),
                "--benchmark_out=" + out, "--benchmark_out_format=json"] + extra
        run = subprocess.run(args, capture_output=True, text=True, check=True)
        with open(out) as rows:
            rates = mean_rates(json.load(rows))
    summary = run.stdout[run.stdout.index("RGB -> Lab, millions"):]
    means = {}
    for prefix, label in (OURS, LCMS):
        name = next(n for n in rates if n.startswith(prefix))
        means[prefix] = rates[name]
        shown = printed(summary, label)
        if shown <= 0 or abs(shown - rates[name] / 1e6) > 0.051:
            sys.exit(f"check-summary {extra}: '{label}' shows {shown}, the rows' mean is {rates[name] / 1e6:.2f}")
    ratio = means[OURS[0]] / means[LCMS[0]]
    shown = printed(summary, RATIO)
    if abs(shown - ratio) > 0.0051:
        sys.exit(f"check-summary {extra}: the ratio shows {shown}, the rows give {ratio:.3f}")


def main():
    bench = sys.argv[1]
    for extra in ([], ["--benchmark_repetitions=3"],
                  ["--benchmark_repetitions=3", "--benchmark_display_aggregates_only=true"]):
        check(bench, extra)
    print("check-summary: the summary agrees with the rows")


main()
