#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built game started as a careless or hostile user might start it.

  hostile_play.py SCENARIO GAME, SCENARIO one of
    plain-files  a FIFO where the last plays are kept and a 1 GB tester.jpg:
                 both named, the first frame shows, memory stays small
    stray-line   a store with a line that is not INI text: kept aside whole,
                 its game plays on in a new store that SIGTERM writes
    two-copies   (desktop) a second start for the store raises the first
                 window and ends; another store's game runs beside; after
                 kill -9 the store starts again
    rescue       (desktop) a folder where the store belongs: SIGTERM after a
                 refused autosave ends the game, which is in a rescue file

The desktop ones exit 77 (skipped) when no X server can start here; the
others run offscreen. Every wait is for an event; TIMEOUT bounds a failed run.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from x_desktop import (TIMEOUT, Desktop, Failure, Game, Skip, game_env,  # noqa: E402
                       read_store, store_path, wait_for, write_store)

PEAK_LIMIT_KB = 400 << 10  # far below the picture's gigabyte, far above a sanitized start
START = {"GameName": "Stray", "GameDate": "03/14/26", "Credits": 1234, "Borrowed": 500,
         "Spins": 21, "TotalBets": 60, "BonusWon": 25, "BonusPts": 4, "Nudges": 2}


class Run:
    """The game offscreen in `home`, what it says kept in a file."""

    def __init__(self, binary, home, **extra):
        env = dict(game_env(os.environ, home, platform="offscreen"), **extra)
        self.log_path, self.started = os.path.join(home, "game.log"), time.monotonic()
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([binary], env=env, stdin=subprocess.DEVNULL,
                                            stdout=log, stderr=subprocess.STDOUT)

    def said(self):
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def ended(self):  # without reaping the process
        return os.waitid(os.P_PID, self.process.pid,
                         os.WEXITED | os.WNOHANG | os.WNOWAIT) is not None

    def alive(self):
        if self.ended():
            raise Failure(f"the game ended early:\n{self.said()}")

    def end(self, status=0):
        """Waits for the end with `status`: (seconds since the start, peak memory in KB)."""
        try:
            wait_for("end of the game", self.ended)
            _, code, usage = os.wait4(self.process.pid, 0)
            self.process.returncode = os.waitstatus_to_exitcode(code)
        finally:
            self.process.kill()
            self.process.wait()
        if self.process.returncode != status:
            raise Failure(f"the game ended with {self.process.returncode}:\n{self.said()}")
        return time.monotonic() - self.started, usage.ru_maxrss


def plain_files(folder, binary):
    app, home = os.path.join(folder, "app"), os.path.join(folder, "home")
    os.makedirs(app)
    os.makedirs(os.path.dirname(store_path(home)))
    os.mkfifo(store_path(home).replace(".ini", "-plays.json"))
    game = os.path.join(app, "vexlorslots")
    try:
        os.link(binary, game)  # tester.jpg is read beside the game's own file
    except OSError:
        shutil.copy2(binary, game)
    with open(os.path.join(app, "tester.jpg"), "wb") as picture:
        picture.truncate(1 << 30)
    run = Run(game, home, VEXLOR_EXIT_AFTER_FIRST_FRAME="1")
    seconds, peak = run.end()
    for named in ("vexlorslots-plays.json could not be read: it is not a plain file",
                  "Cannot show tester.jpg: it is larger than 64 MB."):
        if named not in run.said():
            raise Failure(f"not said: {named}\n{run.said()}")
    if peak > PEAK_LIMIT_KB:
        raise Failure(f"the game took {peak} KB at its peak")
    print(f"plain-files: first frame after {seconds:.2f} s, peak memory {peak >> 10} MB")


def stray_line(folder, binary):
    home = os.path.join(folder, "home")
    store = store_path(home)
    write_store(store, START)
    with open(store, "a") as f:
        f.write("a line without its equals sign\n")
    with open(store, "rb") as f:
        original = f.read()
    run = Run(binary, home)
    kept = wait_for("store set aside", lambda: next(
        (n for n in os.listdir(os.path.dirname(store)) if ".kept-" in n), None), run.alive)
    kept = os.path.join(os.path.dirname(store), kept)
    # Until the new store replaces it, the kept name is a second link to the old file.
    wait_for("new store", lambda: os.stat(store).st_ino != os.stat(kept).st_ino, run.alive)
    run.process.send_signal(signal.SIGTERM)
    run.end()
    with open(kept, "rb") as f:
        if f.read() != original or os.path.basename(kept) not in run.said():
            raise Failure(f"{kept} is not the old store, or was not named:\n{run.said()}")
    stored = read_store(store)
    if stored != {k: v for k, v in START.items() if k not in ("GameName", "GameDate")}:
        raise Failure(f"the new store holds {stored}, not the game of the old one")
    print(f"stray-line: kept aside as {kept}; the game plays on from {stored}")


def two_copies(desktop, folder, binary):
    first = Game(desktop, binary, os.path.join(folder, "first"))
    beside = Game(desktop, binary, os.path.join(folder, "beside"))  # another store

    def active(game):
        return int(desktop.xdotool("getactivewindow").strip() or 0) == game.main
    wait_for("the later window active", lambda: active(beside), first.alive)
    started = time.monotonic()
    try:
        second = subprocess.run([binary], env=game_env(desktop.env, first.home),
                                capture_output=True, text=True, timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure(f"the second start was still running after {TIMEOUT:.0f} s")
    ended = time.monotonic() - started
    if second.returncode != 0 or "running already" not in second.stderr:
        raise Failure(f"the second start ended with {second.returncode}:\n{second.stderr}")
    wait_for("the first window active", lambda: active(first), first.alive)
    raised = time.monotonic() - started
    beside.alive()
    first.process.send_signal(signal.SIGKILL)
    first.await_end()
    Game(desktop, binary, first.home)  # a killed game never blocks the next start
    print(f"two-copies: the second start ended after {ended:.2f} s, "
          f"the first window was active after {raised:.2f} s")


def rescue(desktop, folder, binary):
    home = os.path.join(folder, "home")
    os.makedirs(store_path(home))  # a folder where the store belongs
    game = Game(desktop, binary, home)
    game.await_input()
    game.keys(game.main, "m")  # three coins and a spin
    game.await_window("^Vexlor Slots$")  # the refused autosave's box
    game.process.send_signal(signal.SIGTERM)
    if game.await_end() != 3:
        raise Failure(f"SIGTERM ended the game with {game.process.returncode}:\n{game.said()}")
    store_folder = os.path.dirname(store_path(home))
    rescued = [n for n in os.listdir(store_folder) if ".rescued-" in n]
    if len(rescued) != 1 or rescued[0] not in game.said():
        raise Failure(f"rescue files {rescued}; the game said:\n{game.said()}")
    stored = read_store(os.path.join(store_folder, rescued[0]))
    if (stored["Spins"], stored["TotalBets"]) != (1, 3):
        raise Failure(f"the rescue file holds {stored}, not the spin played")
    print(f"rescue: {rescued[0]} holds {stored}")


def main():
    scenario, binary = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="vexlor-hostile-") as folder:
        try:
            if scenario in ("plain-files", "stray-line"):
                {"plain-files": plain_files, "stray-line": stray_line}[scenario](folder, binary)
                return 0
            try:
                desktop = Desktop(folder)
            except Skip as reason:
                print(f"SKIPPED: no X desktop: {reason}")
                return 77
            try:
                {"two-copies": two_copies, "rescue": rescue}[scenario](desktop, folder, binary)
            finally:
                desktop.close()
            return 0
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1


if __name__ == "__main__":
    sys.exit(main())
