#!/usr/bin/env python3
"""The built game started as a careless or hostile user might start it.

  hostile_play.py fifo-plays GAME
      A FIFO where the last plays are kept: the game shows its first frame and
      ends (VEXLOR_EXIT_AFTER_FIRST_FRAME) instead of waiting for a writer.
  hostile_play.py huge-picture GAME
      A 1 GB tester.jpg beside the game: it is named and refused unread, and
      the process stays far below the picture's size.
  hostile_play.py stray-line GAME
      A store with a line the profile rules cannot keep: it is set aside whole
      under a new name, its current game plays on in a new store, and SIGTERM
      ends the game with that store written.
  hostile_play.py two-copies GAME
      On a desktop: a second start for the same store exits at once with a
      line on standard error, bringing the first game's window to the front;
      a game for another store runs beside it; after kill -9 the store starts
      again.
  hostile_play.py rescue GAME
      On a desktop, a folder where the store belongs: a spin's autosave is
      refused, and SIGTERM ends the game all the same, with the game in a
      rescue file beside the store and a status that says so.

The first three run on Qt's offscreen platform; the desktop ones exit 77
(skipped) when no X server can be started here. Every wait is for an event;
TIMEOUT only bounds a failed run.
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

SKIPPED = 77
RESCUED_STATUS = 3
PEAK_LIMIT_KB = 400 << 10  # far below the picture's gigabyte, far above a sanitized start
START = {"GameName": "Caf\u00e9 stray", "GameDate": "03/14/26", "Credits": 1234,
         "Borrowed": 500, "Spins": 21, "TotalBets": 60, "BonusWon": 25, "BonusPts": 4,
         "Nudges": 2}


class Run:
    """The game started offscreen in `home`; its standard error kept in a file."""

    def __init__(self, binary, home, **extra):
        self.log_path = os.path.join(home, f"game-{time.monotonic_ns()}.log")
        env = dict(game_env(os.environ, home, platform="offscreen"), **extra)
        self.started = time.monotonic()
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([binary], env=env, stdin=subprocess.DEVNULL,
                                            stdout=log, stderr=subprocess.STDOUT)

    def said(self):
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def ended(self):
        """Whether the process has ended, leaving it to be waited for."""
        return os.waitid(os.P_PID, self.process.pid,
                         os.WEXITED | os.WNOHANG | os.WNOWAIT) is not None

    def alive(self):
        if self.ended():
            raise Failure(f"the game ended early:\n{self.said()}")

    def end(self):
        """Waits for the end: (status, seconds since the start, peak memory in KB)."""
        wait_for("end of the game", self.ended)
        _, status, usage = os.wait4(self.process.pid, 0)
        self.process.returncode = os.waitstatus_to_exitcode(status)
        return self.process.returncode, time.monotonic() - self.started, usage.ru_maxrss

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def expect_end(run, status=0):
    try:
        code, seconds, peak = run.end()
    finally:
        run.kill()
    if code != status:
        raise Failure(f"the game ended with {code}, not {status}:\n{run.said()}")
    return seconds, peak


def fifo_plays(folder, binary):
    home = os.path.join(folder, "home")
    os.makedirs(os.path.dirname(store_path(home)))
    os.mkfifo(store_path(home).replace(".ini", "-plays.json"))
    run = Run(binary, home, VEXLOR_EXIT_AFTER_FIRST_FRAME="1")
    seconds, _ = expect_end(run)
    if "vexlorslots-plays.json could not be read: it is not a plain file" not in run.said():
        raise Failure(f"the FIFO was not named:\n{run.said()}")
    print(f"fifo-plays: first frame after {seconds:.2f} s")


def huge_picture(folder, binary):
    app = os.path.join(folder, "app")
    os.makedirs(app)
    game = os.path.join(app, "vexlorslots")
    try:
        os.link(binary, game)  # the game's folder is where its own file is
    except OSError:
        shutil.copy2(binary, game)
    with open(os.path.join(app, "tester.jpg"), "wb") as picture:
        picture.truncate(1 << 30)
    run = Run(game, os.path.join(folder, "home"), VEXLOR_EXIT_AFTER_FIRST_FRAME="1")
    seconds, peak = expect_end(run)
    if "Cannot show tester.jpg: it is larger than 64 MB." not in run.said():
        raise Failure(f"the picture was not named:\n{run.said()}")
    if peak > PEAK_LIMIT_KB:
        raise Failure(f"the game took {peak} KB at its peak")
    print(f"huge-picture: peak memory {peak / 1024:.0f} MB, first frame after {seconds:.2f} s")


def stray_line(folder, binary):
    home = os.path.join(folder, "home")
    store = store_path(home)
    write_store(store, START)
    with open(store, "ab") as f:
        f.write(b"a line without its equals sign\n")
    with open(store, "rb") as f:
        original = f.read()
    run = Run(binary, home)
    store_folder = os.path.dirname(store)
    try:
        kept = wait_for("store set aside", lambda: next(
            (n for n in os.listdir(store_folder) if n.startswith("vexlorslots.ini.kept-")), None),
            run.alive)
        # The kept name is a second link to the old file until the new store replaces it.
        wait_for("the new store", lambda: os.stat(store).st_ino
                 != os.stat(os.path.join(store_folder, kept)).st_ino, run.alive)
        run.process.send_signal(signal.SIGTERM)
    except BaseException:
        run.kill()
        raise
    expect_end(run)
    with open(os.path.join(store_folder, kept), "rb") as f:
        if f.read() != original:
            raise Failure("the store set aside is not the file as it was")
    if kept not in run.said():
        raise Failure(f"the player was not told the new name {kept}:\n{run.said()}")
    stored = read_store(store)
    if stored != {k: v for k, v in START.items() if k not in ("GameName", "GameDate")}:
        raise Failure(f"the new store holds {stored}, not the game of the old one")
    print(f"stray-line: kept aside as {kept}; the game plays on from {stored}")


def active_window(desktop):
    return int(desktop.xdotool("getactivewindow").strip() or 0)


def two_copies(desktop, folder, binary):
    first = Game(desktop, binary, os.path.join(folder, "first"))
    beside = Game(desktop, binary, os.path.join(folder, "beside"))  # another store
    wait_for("the later window active", lambda: active_window(desktop) == beside.main,
             first.alive)
    started = time.monotonic()
    try:
        second = subprocess.run([binary], env=game_env(desktop.env, first.home),
                                capture_output=True, text=True, timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure(f"the second start was still running after {TIMEOUT:.0f} s")
    ended = time.monotonic() - started
    if second.returncode != 0 or "running already" not in second.stderr:
        raise Failure(f"the second start ended with {second.returncode}:\n{second.stderr}")
    wait_for("the first window active", lambda: active_window(desktop) == first.main, first.alive)
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
    if game.await_end() != RESCUED_STATUS:
        raise Failure(f"SIGTERM ended the game with {game.process.returncode}:\n{game.said()}")
    folder_of_store = os.path.dirname(store_path(home))
    rescued = [n for n in os.listdir(folder_of_store) if ".rescued-" in n]
    if len(rescued) != 1 or rescued[0] not in game.said():
        raise Failure(f"rescue files {rescued}; the game said:\n{game.said()}")
    stored = read_store(os.path.join(folder_of_store, rescued[0]))
    if (stored["Spins"], stored["TotalBets"]) != (1, 3):
        raise Failure(f"the rescue file holds {stored}, not the spin played")
    print(f"rescue: {rescued[0]} holds {stored}")


OFFSCREEN = {"fifo-plays": fifo_plays, "huge-picture": huge_picture, "stray-line": stray_line}
ON_DESKTOP = {"two-copies": two_copies, "rescue": rescue}


def main():
    scenario, binary = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="vexlor-hostile-") as folder:
        try:
            if scenario in OFFSCREEN:
                OFFSCREEN[scenario](folder, binary)
                return 0
            try:
                desktop = Desktop(folder)
            except Skip as reason:
                print(f"SKIPPED: no X desktop: {reason}")
                return SKIPPED
            try:
                ON_DESKTOP[scenario](desktop, folder, binary)
            finally:
                desktop.close()
            return 0
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1


if __name__ == "__main__":
    sys.exit(main())
