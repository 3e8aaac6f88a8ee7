#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Peer check of the saved-game store against Python's own INI reader.

1. The game's store code writes random games; configparser must read the same
   values back from the file.
2. configparser writes a store in its own style (spaces around "=", keys in
   other letter case); the game's store code must load the same values.
"""
import configparser
import json
import os
import random
import subprocess
import sys
import tempfile

KEYS = ["GameName", "GameDate", "Credits", "Borrowed", "Spins", "TotalBets",
        "BonusWon", "BonusPts", "Nudges"]
SECTIONS = [f"GameNo{i}" for i in range(1, 9)] + ["CurrentGame"]


def run_tool(tool, *args):
    out = subprocess.run([tool, *args], check=True, capture_output=True)
    return json.loads(out.stdout.decode("utf-8"))


def read_with_configparser(path):
    parser = configparser.RawConfigParser(strict=True)
    with open(path, encoding="utf-8") as f:
        parser.read_file(f)
    games = {}
    for section in SECTIONS:
        games[section] = {}
        for key in KEYS:
            value = parser.get(section, key)
            games[section][key] = value if key in ("GameName", "GameDate") else int(value)
    return games


def game_written_by_peer(rng):
    name = "P" + "".join(rng.choice("abcXYZ 09=%;:$-\u00e9\u20ac") for _ in range(rng.randrange(20)))
    game = {"GameName": (name + "q")[:30], "GameDate": "11/05/99"}
    for key in KEYS[2:]:
        game[key] = rng.choice([-2**31, 2**31 - 1, 0, -1, rng.randrange(-2**31, 2**31)])
    return game, name + "q"


def main():
    tool = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for seed in range(1, 21):
            path = os.path.join(folder, f"store{seed}.ini")
            written = run_tool(tool, "write", path, str(seed))
            seen = read_with_configparser(path)
            if seen != written:
                failures += 1
                print(f"seed {seed}: configparser read {seen}\n  the game wrote {written}")

        rng = random.Random(7)
        for round_ in range(20):
            path = os.path.join(folder, f"peer{round_}.ini")
            parser = configparser.RawConfigParser()
            parser.optionxform = lambda key: rng.choice([key, key.lower(), key.upper()])
            expected = {}
            for section in SECTIONS:
                game, full_name = game_written_by_peer(rng)
                expected[section] = game
                parser.add_section(section)
                for key in KEYS:
                    parser.set(section, key, full_name if key == "GameName" else str(game[key]))
            with open(path, "w", encoding="utf-8") as f:
                parser.write(f)
            loaded = run_tool(tool, "read", path)
            if loaded != expected:
                failures += 1
                print(f"round {round_}: the game loaded {loaded}\n  configparser wrote {expected}")
    print("peer check:", "failed" if failures else "passed", f"({failures} mismatches)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
