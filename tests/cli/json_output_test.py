#!/usr/bin/env python3
"""tintorium-cli --json: every document parses with Python's json module, matches its golden file in
tests/cli/golden (the shape and the figures), names only keys its command's --help documents, and leaves the exit
status as it was. Usage: json_output_test.py SOURCE_DIR TINTORIUM_CLI [--update]"""
import json
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

SOURCE = Path(sys.argv[1]).resolve()
CLI = str(Path(sys.argv[2]).resolve())
UPDATE = "--update" in sys.argv[3:]
GOLDEN = SOURCE / "tests" / "cli" / "golden"
HOME = tempfile.mkdtemp()
ENV = dict(os.environ, HOME=HOME, XDG_DATA_HOME=f"{HOME}/data", XDG_CONFIG_HOME=f"{HOME}/config", LC_ALL="C")

# (golden name, arguments, standard input or None); input means JSON Lines, one document per input line.
CASES = [
    ("convert_rgb", ["convert", "rgb", "255", "128", "0", "--json"], None),
    ("convert_css", ["convert", "css", "oklch(70% 0.15 30 / 50%)", "--json"], None),
    ("convert_named", ["convert", "--json", "hex", "#663399"], None),
    ("convert_batch", ["convert", "--batch", "rgb", "lab", "--json"], "1 2 3\n\n255 128 0\n"),
    ("contrast", ["contrast", "777777", "ffffff", "--cvd", "--json"], None),
    ("contrast_batch", ["contrast", "--batch", "--json"], "000000 ffffff\n\n777777 ffffff\n"),
    ("contrast_matrix", ["contrast", "--matrix", "tests/cli/golden/contrast-matrix.gpl", "--cvd", "deuteranomaly:0.6",
                         "--target", "aa-large", "--json"], None),
    ("palette_show", ["palette", "show", "docs/example.tnp", "--json"], None),
    # Quotes, backslashes, a control character and non-ASCII letters in names, escaped so they read back as written.
    ("palette_show_odd_names", ["palette", "show", "tests/cli/golden/odd-names.gpl", "--json"], None),
    ("scan", ["scan", "tests/cli/golden/page.css", "--json"], None),
    ("scan_details", ["scan", "--all-notations", "--details", "--json", "tests/cli/golden/page.css"], None),
    ("library_list", ["library", "list", "--json"], None),
    ("library_show", ["library", "show", "Web Hues.aco", "--json"], None),
    ("wheel", ["wheel", "ff8000", "--json"], None),
    ("wheel_harmony", ["wheel", "ff8000", "--style", "ryb", "--harmony", "split-complementary", "--json"], None),
    ("wheel_batch", ["wheel", "--batch", "--json"], "ff8000\n336699\n"),
    ("variations", ["variations", "336699", "--type", "warm", "--size", "4", "--json"], None),
    ("variations_batch", ["variations", "--batch", "--json"], "336699 dark 3\nff8000 desaturate 2\n"),
    ("scale", ["scale", "3b82f6", "--mode", "contrast", "--measure", "apca", "--json"], None),
    ("scale_batch", ["scale", "--batch", "--steps", "100,500,900", "--json"], "3b82f6\n\n808080\n"),
]

# Bad input keeps its exit status with --json, and nothing half-written reaches standard output.
FAILURES = [
    (["convert", "rgb", "256", "0", "0", "--json"], None, 2, 0),
    (["contrast", "12345", "ffffff", "--json"], None, 2, 0),
    (["contrast", "--matrix", "tests/cli/golden/contrast-matrix.gpl", "--target", "aa+", "--json"], None, 2, 0),
    (["palette", "show", "missing.gpl", "--json"], None, 1, 0),
    (["scan", "missing.css", "--json"], None, 1, 0),
    (["library", "show", "No such library.aco", "--json"], None, 1, None),
    (["wheel", "--harmony", "nine", "ff0000", "--json"], None, 2, 0),
    (["variations", "336699", "--type", "sideways", "--json"], None, 2, 0),
    # A batch answers the lines before the malformed one, each a document, then stops with 2.
    (["convert", "--batch", "rgb", "hsb", "--json"], "1 2 3\n4 5\n6 7 8\n", 2, 1),
    (["contrast", "--batch", "--json"], "000000 ffffff\nnot a pair\n", 2, 1),
    (["wheel", "--batch", "--json"], "ff0000\nzz\n", 2, 1),
    (["variations", "--batch", "--json"], "ff0000 warm 2\nff0000 warm 0\n", 2, 1),
    (["scale", "3b82f6", "--mode", "contrast", "--background", "777777", "--steps", "100,500,900", "--targets",
      "1.2,2,21", "--json"], None, 2, 0),
    (["scale", "--batch", "--json"], "3b82f6\nblue\n", 2, 1),
]


def run(args, stdin):
    return subprocess.run([CLI, *args], input=stdin or "", capture_output=True, text=True, env=ENV, cwd=SOURCE,
                          timeout=60)


def documents(out, lines):
    if not lines:
        return [json.loads(out)]
    return [json.loads(line) for line in out.splitlines()]


def normalised(name, value):
    """Paths that depend on the machine become placeholders: the shipped folder, the user's folder."""
    text = json.dumps(value, ensure_ascii=False, sort_keys=False)
    text = text.replace(HOME, "$HOME")
    text = re.sub(r'"(?!\$HOME)[^"]*/(Palettes(?:/[^"]*)?)"', r'"$SHIPPED/\1"', text) if name.startswith("library") else text
    return json.loads(text)


def keys(value):
    if isinstance(value, dict):
        return set(value) | set().union(*(keys(v) for v in value.values()))
    if isinstance(value, list):
        return set().union(*(keys(v) for v in value)) if value else set()
    return set()


def main():
    failures = []
    helps = {}
    for name, args, stdin in CASES:
        result = run(args, stdin)
        if result.returncode != 0:
            failures.append(f"{name}: exit status {result.returncode}: {result.stderr}")
            continue
        try:
            got = [normalised(name, d) for d in documents(result.stdout, stdin is not None)]
        except json.JSONDecodeError as error:
            failures.append(f"{name}: not JSON ({error}): {result.stdout[:200]!r}")
            continue
        if stdin is None and result.stdout.count("\n") != 1:
            failures.append(f"{name}: not one document on one line")
        if stdin is not None and len(got) != stdin.count("\n"):
            failures.append(f"{name}: {len(got)} documents for {stdin.count(chr(10))} input lines")
        command = args[0]
        helps.setdefault(command, run([command, "--help"], None).stdout)
        undocumented = {k for k in keys(got) if f'"{k}"' not in helps[command]}
        if undocumented:
            failures.append(f"{name}: keys {sorted(undocumented)} are not in 'tintorium-cli {command} --help'")
        golden = GOLDEN / f"{name}.json"
        text = "".join(json.dumps(d, ensure_ascii=False) + "\n" for d in got)
        if UPDATE:
            golden.write_text(text, encoding="utf-8")
        elif not golden.exists():
            failures.append(f"{name}: no golden file {golden} (run with --update)")
        elif [json.loads(line) for line in golden.read_text(encoding="utf-8").splitlines()] != got:
            failures.append(f"{name}: differs from {golden.name}:\n  got      {text.strip()[:400]}\n"
                            f"  expected {golden.read_text(encoding='utf-8').strip()[:400]}")
    for args, stdin, status, lines in FAILURES:
        result = run(args, stdin)
        if result.returncode != status:
            failures.append(f"{' '.join(args)}: exit status {result.returncode}, expected {status}")
        if lines is not None and len(result.stdout.splitlines()) != lines:
            failures.append(f"{' '.join(args)}: {len(result.stdout.splitlines())} lines out, expected {lines}")
        try:
            documents(result.stdout, True)
        except json.JSONDecodeError:
            failures.append(f"{' '.join(args)}: a line out is not JSON: {result.stdout!r}")
        if not result.stderr.strip():
            failures.append(f"{' '.join(args)}: no message on standard error")
    for failure in failures:
        print(failure)
    print(f"{len(CASES)} JSON outputs and {len(FAILURES)} failing runs:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
