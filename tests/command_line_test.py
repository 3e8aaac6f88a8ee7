#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Both programs read their command line without a display: --help and
--version on standard output with status 0, a mistake on standard error with
the usage and status 2. Arguments: VERSION GAME MATH."""
import json
import os
import subprocess
import sys

version, game, math = sys.argv[1:4]
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
env.update(QT_QPA_PLATFORM="", LANGUAGE="", LC_ALL="C.UTF-8")
faults = []


def expect(program, args, status, out="", err="", extra_env=None):
    result = subprocess.run([program, *args], env={**env, **(extra_env or {})},
                            capture_output=True, text=True, timeout=60)
    name = f"{os.path.basename(program)} {' '.join(args)}"
    if result.returncode != status:
        faults.append(f"{name}: status {result.returncode}, not {status}: {result.stderr}")
    for stream, text, wanted in (("out", result.stdout, out), ("err", result.stderr, err)):
        if (wanted == "") != (text == "") or wanted not in text:
            faults.append(f"{name}: standard {stream} {text!r} lacks {wanted!r}")
    return result.stdout


for program in (game, math):
    name = os.path.basename(program)
    expect(program, ["--help"], 0, out=f"Usage: {name} [options]")
    expect(program, ["-h"], 0, out="--version")
    expect(program, ["--help-all"], 0, out=f"Usage: {name} [options]")
    expect(program, ["--version"], 0, out=f"{name} {version}\n")
    expect(program, ["-v"], 0, out=f"{name} {version}\n")
    expect(program, ["--no-such-option"], 2, err="'no-such-option'")
    expect(program, ["stray"], 2, err="Usage:")
expect(game, ["--help"], 0, out="--files")
expect(game, ["--help"], 0, out="Spielautomat", extra_env={"LANGUAGE": "de"})
expect(math, ["--help"], 0, out="Gewinnchancen", extra_env={"LANGUAGE": "de"})
expect(math, ["--json", "--html"], 2, err="--html-de")
report = expect(math, ["--json"], 0, out="{")
try:
    json.loads(report)
except ValueError as e:
    faults.append(f"--json does not print JSON: {e}")

print("\n".join(faults) or "both command lines behave")
sys.exit(1 if faults else 0)
