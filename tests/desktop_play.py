#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built game on a private X desktop, played through its keys and menus.

Xvfb (the display number chosen by the server and told through -displayfd)
with openbox runs the game from a prepared store in a home of its own, and
xdotool presses what a player would press. Every wait is for an event (a
window appears or goes, the store file changes, the program ends); TIMEOUT
only bounds a failed run.

  desktop_play.py tour GAME REPLAY_TOOL
      The machine window's class is the desktop entry's StartupWMClass, which
      desktops match it to its entry and icon by. Then it
      opens and closes every side window, bets and spins with the keys, takes
      holds, borrows once and leaves by File > Exit. Every spin's autosave must
      move the counters as its bet allows; the game stored at exit must hold
      the Spins, TotalBets and Borrowed that REPLAY_TOOL gets from the same
      inputs played in process, and books that balance.
  desktop_play.py kill GAME
      A spin, its autosave, then kill -9: the store still holds that game,
      whole, and the game starts from it again. There a spin with the
      statistics opened while its reels run, then SIGTERM: the game ends by
      itself, the spin counted whole and stored.

The outcomes of the spins cannot be replayed: between spins the idle chase of
the button lamps draws from the game's generator every 200 ms, so the draws
depend on timing. Each outcome is checked against what any outcome must
satisfy instead.

Exits 77 (skipped) when no X server can be started here.
"""
import itertools
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from x_desktop import (COUNTERS, TIMEOUT, TITLE, Desktop, Failure, Game, Skip,  # noqa: E402
                       read_store, wait_for, write_store)

SKIPPED = 77
ENTRY = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "packaging",
                     "org.vexlor.VexlorSlots.desktop")
LINE_PAYS = [0, 5, 10, 12, 14, 18, 20, 50, 2500]
BONUS_WON_STEPS = {0, 25, 50, 100, 250}  # what a round adds to BonusWon
# Both games balance their books: Credits - Borrowed + TotalBets - BonusWon >= 0.
TOUR_START = {"GameName": "Desktop tour", "GameDate": "03/14/26", "Credits": 1500,
              "Borrowed": 1000, "Spins": 40, "TotalBets": 120, "BonusWon": 250,
              "BonusPts": 12,  # a full meter: the next spin opens a round unless it wipes it
              "Nudges": 4}
KILL_START = {"GameName": "Before the kill", "GameDate": "03/14/26", "Credits": 800,
              "Borrowed": 500, "Spins": 12, "TotalBets": 30, "BonusWon": 0, "BonusPts": 3,
              "Nudges": 1}


def normal_payouts(game):
    return game["Credits"] - game["Borrowed"] + game["TotalBets"] - game["BonusWon"]


def line_payouts(bet):
    """Every payout the lit lines of a bet can add up to."""
    return {sum(pays) for pays in itertools.product(LINE_PAYS, repeat=bet)}


class Player:
    """Plays the game with its keys, keeping what the inputs imply and a log of them."""

    def __init__(self, game):
        self.game = game
        self.log = []
        self.coins = 0
        self.last_bet = 0
        self.counters = read_store(game.store)
        self.holds = 0  # placed for the next spin
        self.holds_offered = False
        self.spins = self.bets = self.holds_taken = self.rounds = 0

    def ready(self):
        self.game.await_input()
        self.log.append("key Return")

    def close_with(self, window, *keys):
        self.game.keys(window, *keys)
        self.game.await_gone(window)

    def visit(self, name, keys, title, close=("Escape",)):
        self.game.keys(self.game.main, *keys)
        self.close_with(self.game.await_window(title), *close)
        self.log.append(name)

    def tour_side_windows(self):
        self.visit("window stats", ["alt+s"], "^Your Game Statistics$")
        self.visit("window payoffs", ["alt+p"], "^Payoff Chart$")
        self.visit("window open", ["alt+f", "o"], "^Open a Game")
        self.visit("window save", ["alt+f", "s"], "^Save a Game")
        self.visit("window version", ["alt+h", "Return"], f"^{TITLE}$")
        self.visit("window manual", ["alt+h", "v"], f"^{TITLE} Help$", ["alt+F4"])
        self.visit("key F1", ["F1"], f"^{TITLE} Help$", ["alt+F4"])
        now = read_store(self.game.store)
        if now != self.counters:
            raise Failure(f"the side windows changed the game: {self.counters} -> {now}")

    def press(self, key):
        """A coin that does not start a spin, or a hold."""
        self.game.keys(self.game.main, key)
        self.log.append(f"key {key}")
        if key == "b":
            self.coins += 1
            assert self.coins < 3, "the third coin spins: use spin()"

    def spin(self, key):
        if key == "b":
            bet = self.coins + 1
        elif key == "m":
            bet = 3
        else:
            bet = self.coins or self.last_bet
        assert bet == 3 or key != "b" and bet > 0
        before = self.counters
        self.game.keys(self.game.main, key)
        self.log.append(f"key {key}")
        after, round_played = self._await_spin(before)
        line = self._check_spin(before, after, bet, round_played)
        self.coins, self.last_bet, self.holds = 0, bet, 0
        self.counters = after
        self.holds_offered = line == 0 and after["Nudges"] > 0
        self.spins += 1
        self.bets += bet
        self.rounds += round_played
        print(f"spin {self.spins}: {key}, {bet} coins, line payout {line}, "
              f"bonus round: {'played' if round_played else 'none'}, stored {after}")

    def _stored_if(self, changed):
        now = read_store(self.game.store)
        return now if changed(now) else None

    def _await_spin(self, before):
        """The autosave after the spin, with whether a bonus round was played on the way."""
        round_window = None

        def settled():
            nonlocal round_window
            now = self._stored_if(lambda now: now["Spins"] != before["Spins"])
            if now is None and round_window is None:
                round_window = self._pick_in_bonus_round()
            return now
        after = wait_for("settled spin", settled, self.game.alive)
        return after, round_window is not None

    def _pick_in_bonus_round(self):
        """Picks a token with a key once the round's screen-filling window is up."""
        for window in self.game.windows():
            width, height = self.game.size(window)
            if width < 640 or height < 480:
                name = self.game.desktop.xdotool("getwindowname", window, check=False).strip()
                raise Failure(f'a window "{name}" opened during the spin')
            self.game.keys(window, "space")
            return window
        return None

    def _check_spin(self, before, after, bet, round_played):
        """The line payout that the autosave after a spin shows; fails on any move no spin can
        make. The books balance: Credits - Borrowed + TotalBets - BonusWon grows by what the
        lit lines paid (and a bonus prize of 1, paid but not counted as bonus)."""
        gain = {key: after[key] - before[key] for key in COUNTERS}
        prize = gain["BonusWon"]
        one = 1 if round_played and prize == 0 else 0  # a prize of 1 is paid, not counted as bonus
        line = gain["Credits"] + bet - prize - one
        problems = []
        if (gain["Spins"], gain["TotalBets"], gain["Borrowed"]) != (1, bet, 0):
            problems.append(f"spins, bets, borrowed moved by {gain['Spins']}, "
                            f"{gain['TotalBets']}, {gain['Borrowed']} for one spin of {bet}")
        if prize not in (BONUS_WON_STEPS if round_played else {0}):
            problems.append(f"bonus won moved by {prize} (round played: {round_played})")
        if not 0 <= after["BonusPts"] <= (0 if round_played else 12):
            problems.append(f"bonus points {after['BonusPts']} after the spin")
        if line not in line_payouts(bet):
            problems.append(f"a line payout of {line} is not possible with {bet} lines lit")
        if gain["Nudges"] not in (-self.holds, 1 - self.holds):
            problems.append(f"holds moved by {gain['Nudges']} with {self.holds} placed")
        if problems:
            raise Failure(f"spin of {bet}: {'; '.join(problems)}\n  before {before}\n"
                          f"  after  {after}")
        return line

    def take_hold(self):
        """After a spin that paid nothing, holds a reel when holds are offered."""
        if not self.holds_offered:
            return
        self.press(str(1 + self.holds_taken % 3))
        self.holds_offered = False
        self.holds += 1
        self.holds_taken += 1

    def borrow_hundred(self):
        before = self.counters
        self.game.keys(self.game.main, "alt+b")
        window = self.game.await_window("^Use this form to borrow")
        # The focus starts on OK; the $1,000 chip and then the $100 chip follow.
        self.close_with(window, "Tab", "Tab", "space", "Escape")
        after = wait_for("autosave of the loan", lambda: self._stored_if(
            lambda now: now["Borrowed"] != before["Borrowed"]), self.game.alive)
        expected = dict(before, Credits=before["Credits"] + 100, Borrowed=before["Borrowed"] + 100)
        if after != expected:
            raise Failure(f"borrowing 100 stored {after}, not {expected}")
        self.counters = after
        self.log.append("borrow 100")

    def exit(self):
        self.game.keys(self.game.main, "alt+f", "x")
        self.log.append("exit")
        code = self.game.await_end()
        if code != 0:
            raise Failure(f"File > Exit ended the game with {code}:\n{self.game.said()}")
        self.game.check_clean_log()
        return read_store(self.game.store)


def start_game(desktop, binary, folder, name, start):
    home = os.path.join(folder, name)
    write_store(os.path.join(home, "data", "vexlorslots", "vexlorslots.ini"), start)
    return Game(desktop, binary, home)


def replay(tool, start, log, folder):
    """The counters stored when the same inputs are played on the machine in this process."""
    store, inputs = os.path.join(folder, "replay-start.ini"), os.path.join(folder, "inputs.txt")
    write_store(store, start)
    with open(inputs, "w") as f:
        f.write("\n".join(log) + "\n")
    done = subprocess.run([tool, store, inputs], env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                          capture_output=True, text=True, timeout=TIMEOUT)
    if done.returncode != 0:
        raise Failure(f"the in-process replay failed:\n{done.stdout}{done.stderr}")
    return json.loads(done.stdout)


def check_window_class(desktop, game):
    with open(ENTRY, encoding="utf-8") as f:
        entry_class = re.search(r"^StartupWMClass=(.*)$", f.read(), re.MULTILINE)
    if entry_class is None:
        raise Failure(f"{ENTRY} names no StartupWMClass")
    pattern = "^" + re.sub(r"[][.^$*+?(){}|\\]", r"\\\g<0>", entry_class[1]) + "$"  # POSIX ERE
    found = desktop.xdotool("search", "--all", "--pid", game.process.pid, "--class", pattern,
                            check=False).split()
    if str(game.main) not in found:
        raise Failure(f"the machine window's class is not {entry_class[1]!r}")


def tour(desktop, folder, binary, tool):
    player = Player(start_game(desktop, binary, folder, "tour", TOUR_START))
    player.ready()
    check_window_class(desktop, player.game)
    player.tour_side_windows()
    player.press("b")
    player.spin("Return")  # the one coin placed; on one line the meter is seldom wiped
    player.take_hold()
    player.spin("space")  # the last bet again
    player.take_hold()
    player.press("b")
    player.press("b")
    player.spin("b")  # the third coin spins
    player.take_hold()
    player.spin("Return")
    player.borrow_hundred()
    player.spin("m")
    player.take_hold()
    player.press("b")
    player.press("b")
    player.spin("space")
    player.take_hold()
    player.spin("m")
    player.visit("window stats", ["alt+s"], "^Your Game Statistics$")
    stored = player.exit()

    start = {key: TOUR_START[key] for key in COUNTERS}
    implied = dict(Spins=start["Spins"] + player.spins,
                   TotalBets=start["TotalBets"] + player.bets,
                   Borrowed=start["Borrowed"] + 100)
    in_process = replay(tool, TOUR_START, player.log, folder)
    problems = []
    for key, value in implied.items():
        if not stored[key] == in_process[key] == value:
            problems.append(f"{key}: stored {stored[key]}, in process {in_process[key]}, "
                            f"implied by the inputs {value}")
    # Each autosave's books were checked on the way; those of the replay here.
    if normal_payouts(in_process) < normal_payouts(start):
        problems.append(f"the replay's books show normal payouts below the start: {in_process}")
    if stored != player.counters:
        problems.append(f"leaving changed the game: {player.counters} -> {stored}")
    if problems:
        raise Failure("\n".join(problems) + "\ninputs: " + ", ".join(player.log))
    print(f"tour: {player.spins} spins, {player.bets} coins, {player.holds_taken} holds, "
          f"{player.rounds} bonus rounds, 100 borrowed; stored {stored}; "
          f"in process {in_process}")


def kill(desktop, folder, binary):
    game = start_game(desktop, binary, folder, "kill", KILL_START)
    player = Player(game)
    player.ready()
    player.spin("m")
    with open(game.store, "rb") as f:
        autosaved = f.read()
    game.process.send_signal(signal.SIGKILL)
    if game.await_end() != -signal.SIGKILL:
        raise Failure(f"kill -9 ended the game with {game.process.returncode}")
    with open(game.store, "rb") as f:
        if f.read() != autosaved:
            raise Failure("the store changed after the autosave")
    if read_store(game.store) != player.counters:
        raise Failure(f"the store holds {read_store(game.store)}, not {player.counters}")
    left = [n for n in os.listdir(os.path.dirname(game.store)) if ".tmp-" in n]
    if left:
        raise Failure(f"a save was left half done: {left}")

    print(f"kill: the autosaved game {player.counters} outlived kill -9")
    signal_in_spin(Player(Game(desktop, binary, game.home)), player.counters)


def signal_in_spin(player, before):
    """Started from `before`: a spin, the statistics opened while it runs, then SIGTERM."""
    game = player.game
    player.ready()
    game.keys(game.main, "m", "alt+s")
    game.await_window("^Your Game Statistics$")
    mid_spin = read_store(game.store) == before  # no autosave yet: the reels still run
    game.process.send_signal(signal.SIGTERM)
    code = game.await_end()
    if code != 0:
        raise Failure(f"SIGTERM ended the game with {code}:\n{game.said()}")
    game.check_clean_log()
    after = read_store(game.store)
    try:
        line = player._check_spin(before, after, 3, round_played=False)
    except Failure:  # a full meter: its round settled without its window
        line = player._check_spin(before, after, 3, round_played=True)
    print(f"signal: {'during' if mid_spin else 'after'} the spin, with the statistics open; "
          f"line payout {line}; stored {after}")


def main():
    scenario = sys.argv[1]
    with tempfile.TemporaryDirectory(prefix="vexlor-desktop-") as folder:
        try:
            desktop = Desktop(folder)
        except Skip as reason:
            print(f"SKIPPED: no X desktop: {reason}")
            return SKIPPED
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
        try:
            if scenario == "tour":
                tour(desktop, folder, sys.argv[2], sys.argv[3])
            else:
                kill(desktop, folder, sys.argv[2])
            return 0
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
        finally:
            desktop.close()


if __name__ == "__main__":
    sys.exit(main())
