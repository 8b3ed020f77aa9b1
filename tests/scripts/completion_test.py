#!/usr/bin/env python3
"""The shell completions of packaging/completions, run in bash, zsh and fish without a terminal on a table of
partial command lines; and every option each command's --help names is offered by each shell.
Usage: completion_test.py SOURCE_DIR CLI_DIR (the folder holding the built tintorium-cli)."""
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

SOURCE = Path(sys.argv[1]).resolve()
CLI_DIR = Path(sys.argv[2]).resolve()
COMPLETIONS = SOURCE / "packaging" / "completions"
ENV = dict(os.environ, PATH=f"{CLI_DIR}{os.pathsep}{os.environ['PATH']}", HOME=tempfile.mkdtemp(),
           XDG_DATA_HOME=tempfile.mkdtemp(), XDG_CONFIG_HOME=tempfile.mkdtemp())

# (partial line, words that must be offered, words that must not); "=" before the first word: exactly these.
CASES = [
    ("tintorium-cli co", ["=", "contrast", "convert"], []),
    ("tintorium-cli ", ["contrast", "convert", "library", "mix", "palette", "print", "scan", "variations",
                        "spectrum", "wheel"], ["--cvd"]),
    ("tintorium-cli wheel ff0000 --style ", ["=", "rgb", "ryb"], []),
    ("tintorium-cli wheel ff0000 --harmony s", ["=", "split-complementary", "square"], []),
    ("tintorium-cli wheel --", ["--style", "--harmony", "--batch", "--json", "--help"], ["--cvd", "--notation"]),
    ("tintorium-cli variations ff0000 --type ", ["=", "warm", "cool", "dark", "bright", "saturate", "desaturate"],
     []),
    ("tintorium-cli palette convert a.gpl b.scss --notation ", ["=", "hex", "rgb", "oklch"], []),
    ("tintorium-cli palette --no", ["=", "--no-duplicates", "--no-grays", "--notation"], []),
    ("tintorium-cli palette ", ["=", "show", "convert", "sort", "dedupe"], []),
    ("tintorium-cli palette --te", ["=", "--template", "--text"], []),
    ("tintorium-cli palette convert a.gpl b.xml --as ", ["=", "scribus", "paint.net"], []),
    ("tintorium-cli palette convert a.gpl out.xml --template fixture/pal", ["palette.gpl"], []),
    ("tintorium-cli print a.tnp out.pdf --paper ", ["=", "a4", "letter"], []),
    ("tintorium-cli spectrum ", ["=", "rgb", "hsb"], []),
    ("tintorium-cli spectrum rgb 1 2 3 --fixed ", ["=", "1", "2", "3"], []),
    ("tintorium-cli convert ", ["rgb", "hsb", "cmyk", "lab", "hex", "css"], ["color"]),
    ("tintorium-cli convert --batch rgb ", ["rgb", "hsb", "cmyk", "lab", "color"], ["css"]),
    ("tintorium-cli contrast 000000 ffffff --", ["--cvd", "--batch", "--json", "--fix"], ["--style"]),
    ("tintorium-cli contrast --matrix a.gpl --target ", ["=", "aa", "aaa", "aa-large", "apca60", "apca75", "apca90"],
     []),
    ("tintorium-cli contrast --matrix a.gpl --format ", ["=", "text", "csv", "json", "md", "html"], []),
    ("tintorium-cli library ", ["=", "list", "show"], []),
    ("tintorium-cli library show We", ["=", "Web Hues.aco", "Web Safe.aco", "Web Smart.aco"], []),
    ("tintorium-cli palette show fixture/pal", ["palette.gpl"], []),
    ("tintorium-cli scan fixture/pa", ["palette.gpl", "page.html"], []),
    ("tintorium --", ["--screenshot", "--help", "--version"], []),
    ("tintorium-cli sc", ["=", "scale", "scan"], []),
    ("tintorium-cli scale 3b82f6 --format ", ["=", "text", "css", "scss", "tokens", "theme", "json"], []),
    ("tintorium-cli scale 3b82f6 --mode ", ["=", "lightness", "contrast"], []),
    ("tintorium-cli scale 3b82f6 --measure ", ["=", "wcag", "apca"], []),
]


def normal(word):
    """A match as the shells give it: zsh escapes spaces, zsh gives the name after the folder, fish adds a tab and a
    description."""
    word = word.split("\t")[0].replace("\\ ", " ").strip()
    return word.rsplit("/", 1)[-1] if "/" in word else word


def bash(line):
    words = line.split(" ")
    array = " ".join(shlex.quote(w) for w in words)
    function = "_tintorium_cli" if words[0] == "tintorium-cli" else "_tintorium"
    script = (f"source {COMPLETIONS / 'tintorium-cli.bash'}; source {COMPLETIONS / 'tintorium.bash'}\n"
              "complete -p tintorium-cli >/dev/null || exit 3\n"
              f"COMP_WORDS=({array}); COMP_CWORD={len(words) - 1}\n"
              f"COMP_LINE={shlex.quote(line)}; COMP_POINT=${{#COMP_LINE}}\n"
              f"{function}\n"
              "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
    return run(["bash", "--norc", "--noprofile", "-c", script])


def zsh(line):
    return run(["zsh", "-f", str(SOURCE / "tests" / "scripts" / "zsh_complete.zsh"), str(COMPLETIONS), line])


def fish(line):
    script = (f"source {COMPLETIONS / 'tintorium-cli.fish'}; source {COMPLETIONS / 'tintorium.fish'}; "
              f"complete -C {quote_fish(line)}")
    return run(["fish", "--no-config", "-c", script])


def quote_fish(text):
    return "'" + text.replace("\\", "\\\\").replace("'", "\\'") + "'"


def run(command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=60, env=ENV, cwd=WORK)
    if result.returncode != 0:
        raise RuntimeError(f"{command[0]} exited with {result.returncode}: {result.stderr}")
    return {normal(w) for w in result.stdout.splitlines() if normal(w)}


def help_options(command):
    text = subprocess.run(["tintorium-cli", command, "--help"], capture_output=True, text=True, env=ENV).stdout
    return set(re.findall(r"(?<![\w-])(--[a-z][a-z-]*)", text)) - {"--help"}


def main():
    shells = {"bash": bash, "zsh": zsh, "fish": fish}
    missing = [name for name in shells if shutil.which(name) is None]
    if missing:
        print(f"skipped: no {', '.join(missing)}")
        return 77
    failures = []
    for line, expected, absent in CASES:
        exact = expected[:1] == ["="]
        wanted = set(expected[1:] if exact else expected)
        for name, complete in shells.items():
            got = complete(line)
            if (exact and got != wanted) or (not exact and not wanted <= got) or (set(absent) & got):
                failures.append(f"{name}: {line!r}: offered {sorted(got)}, expected {'exactly ' if exact else ''}"
                                f"{sorted(wanted)}{' and none of ' + str(absent) if absent else ''}")
    commands = ["contrast", "convert", "library", "mix", "palette", "print", "scale", "scan", "variations",
                "spectrum", "wheel"]
    for command in commands:
        options = help_options(command)
        for name, complete in shells.items():
            lacking = options - complete(f"tintorium-cli {command} --")
            if lacking:
                failures.append(f"{name}: tintorium-cli {command} --: does not offer {sorted(lacking)} from --help")
    for failure in failures:
        print(failure)
    print(f"{len(CASES)} lines and {len(commands)} commands' options in bash, zsh and fish:",
          "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    WORK = Path(tempfile.mkdtemp())
    (WORK / "fixture").mkdir()
    for name in ("palette.gpl", "page.html", "other.txt"):
        (WORK / "fixture" / name).write_text("")
    try:
        sys.exit(main())
    finally:
        shutil.rmtree(WORK)
