#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built game as a screen reader finds it on the accessibility bus.

  a11y_play.py GAME

A private D-Bus session with the AT-SPI bus launcher and registry, and the
game on a private X desktop with its accessibility on, from a stored game with
a full bonus meter. The tree is read with pyatspi: the machine's buttons and
counters (values in the locale's digits), and a part's place on the screen,
checked by a pointer press there. A coin goes in through Bet One's action,
Spin and a token of the bonus round are pressed through theirs; the prize and
then the spin's result are said once each, and the counters are sent once
when they settle, not on every step of the count.

Exits 77 (skipped), saying why, when pyatspi, the D-Bus session, the AT-SPI
bus or the X desktop cannot be had. Every wait is for an event or a condition;
TIMEOUT only bounds a failed run.
"""
import importlib.util
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from x_desktop import (TIMEOUT, Desktop, Failure, Game, Skip, store_path,  # noqa: E402
                       wait_for, write_store)

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
REGISTRY = "/usr/libexec/at-spi2-registryd"
START = {"GameName": "Heard", "GameDate": "03/14/26", "Credits": 1116, "Borrowed": 1000,
         "Spins": 7, "TotalBets": 21, "BonusWon": 0,
         "BonusPts": 12,  # full: the next spin opens the round, unless an X wipes the meter
         "Nudges": 2}
BUTTONS = ["Bet One", "Bet 3", "Spin", "Hold left reel", "Hold middle reel", "Hold right reel",
           "Coin slot", "Lever"]
READOUTS = {"Coins": "0", "Holds": "2", "Winnings": "0", "Credits": "1,116",
            "Bonus meter": "12 of 12 points"}
SYMBOL = r"(WILD|Diamond|Bell|Star|BAR|Clover|Grapes|Cherries)( \([\w ]+\))?"
REELS = re.compile(rf"^Middle line: {SYMBOL}, {SYMBOL}, {SYMBOL}$")
RESULT = re.compile(r"^(No win\.|(?:(?:Middle|Top|Bottom) line pays [\d,]+\. )*"
                    r"(?:Bonus round pays (?P<bonus>[\d,]+)\. )?Credits (?P<credits>[\d,]+)\.)$")
PRIZE = re.compile(r"^Prize: (?:1 credit|(?P<prize>250|100|50|25) credits)\.$")
NAMED, VALUED = "object:property-change:accessible-name", "object:property-change:accessible-value"
ATTEMPTS = 6  # games started until a spin opens the round (an X wipes about one in eight)


class Session:
    """A private D-Bus session bus with the AT-SPI bus and registry on it."""

    def __init__(self, folder):
        self.folder, self.bus, self.groups = folder, None, []
        self.log = open(os.path.join(folder, "bus.log"), "wb")

    def start(self, display):
        for program in ("dbus-daemon", "dbus-send", LAUNCHER, REGISTRY):
            if shutil.which(program) is None:
                raise Skip(f"{program} is not installed (scripts/install-deps test installs it)")
        runtime = os.path.join(self.folder, "bus-runtime")
        os.makedirs(runtime, mode=0o700)
        read_end, write_end = os.pipe()
        self.bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log)
        os.close(write_end)
        ready = select.select([read_end], [], [], TIMEOUT)[0]
        address = os.read(read_end, 4096).decode().strip() if ready else ""
        os.close(read_end)
        self.env = dict(os.environ, DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=address,
                        XDG_RUNTIME_DIR=runtime)
        self.env.pop("AT_SPI_BUS_ADDRESS", None)
        if not address:
            raise Skip("the D-Bus session bus did not start: " + self.said())
        # Each in a process group of its own: what it starts ends with it.
        for command, bus, name in ((LAUNCHER, address, "org.a11y.Bus"),
                                   (REGISTRY, None, "org.a11y.atspi.Registry")):
            self.groups.append(subprocess.Popen(
                [command] + (["--launch-immediately"] if command == LAUNCHER else []),
                env=self.env, stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log,
                start_new_session=True))
            if not self.await_name(bus or self.a11y_address(address), name):
                raise Skip(f"{os.path.basename(command)} did not start: " + self.said())

    def send(self, bus, *args):
        done = subprocess.run(["dbus-send", f"--bus={bus}", "--print-reply", *args],
                              env=self.env, capture_output=True, text=True, timeout=TIMEOUT)
        return done.stdout if done.returncode == 0 else ""

    def await_name(self, bus, name):
        owned = lambda: "boolean true" in self.send(  # noqa: E731
            bus, "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
            "org.freedesktop.DBus.NameHasOwner", f"string:{name}")
        try:
            return bus and wait_for(f"{name} on the bus", owned, self.alive)
        except Failure:
            return False

    def a11y_address(self, bus):
        found = re.search(r'string "([^"]+)"', self.send(
            bus, "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"))
        return found.group(1) if found else None

    def alive(self):  # the registry may end by itself: the bus then starts its own
        for process in [self.bus, *self.groups[:1]]:
            if process is not None and process.poll() is not None:
                raise Failure(f"{process.args[0]} ended with {process.returncode}")

    def said(self):
        self.log.flush()
        with open(self.log.name, errors="replace") as f:
            lines = f.read().strip().splitlines()
        return lines[-1] if lines else "it said nothing"

    def close(self):
        for process in reversed(self.groups):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
            process.wait()
        if self.bus is not None:
            self.bus.terminate()
            self.bus.wait()
        self.log.close()


class Listener:
    """The names and values one game sends, in the order they came."""

    def __init__(self, pyatspi):
        from gi.repository import GLib
        self.context, self.pid, self.events = GLib.MainContext.default(), None, []
        pyatspi.Registry.registerEventListener(self.heard, NAMED, VALUED)

    def heard(self, event):
        try:
            if event.host_application.get_process_id() == self.pid:
                self.events.append((event.type, event.source.name))
        except Exception:  # an object gone before it was read: none of this game's
            pass

    def pump(self):
        while self.context.iteration(False):
            pass

    def await_event(self, what, match, alive, since=0):
        def found():
            self.pump()
            return next((e for e in self.events[since:] if match(e)), None)
        return wait_for(what, found, alive)


def said(pattern):
    return lambda e: e[0] == NAMED and pattern.match(e[1] or "")


def text_of(part):
    return part.queryText().getText(0, -1)


def enabled(part, pyatspi):
    return part.getState().contains(pyatspi.STATE_ENABLED)


def dump(accessible, pyatspi, depth=0):
    """The tree as a screen reader finds it, a line a part."""
    line = f"{'  ' * depth}[{accessible.getRoleName()}] {accessible.name!r}"
    try:
        line += f" text={text_of(accessible)!r}"
    except NotImplementedError:
        pass
    try:
        actions = accessible.queryAction()
        line += f" actions={[actions.getName(i) for i in range(actions.nActions)]}"
    except NotImplementedError:
        pass
    print(line + ("" if enabled(accessible, pyatspi) else " disabled"))
    for child in accessible:
        dump(child, pyatspi, depth + 1)


def machine_of(pyatspi, game):
    """The game's application and its machine once the bus shows them."""
    def found():
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == game.process.pid:
                    panel = next(c for frame in app for c in frame if c.name == "Slot machine")
                    return (app, panel) if panel.childCount == 15 else None
            except Exception:  # the tree changes while the game starts
                pass
        return None
    return wait_for("machine on the accessibility bus", found, game.alive)


def check_machine(game, panel, pyatspi):
    parts = {child.name: child for child in panel}
    buttons = [c.name for c in panel if c.getRoleName() == "push button"]
    if buttons != BUTTONS:
        raise Failure(f"the buttons are {buttons}, not {BUTTONS}")
    for name in BUTTONS:
        if parts[name].queryAction().getName(0) != "Press":
            raise Failure(f"{name} cannot be pressed")
    readouts = {name: text_of(parts[name]) for name in READOUTS}
    if readouts != READOUTS or not REELS.match(text_of(parts["Reels"])):
        raise Failure(f"the machine reads {readouts}, reels {text_of(parts['Reels'])!r}")
    wait_for("Spin enabled", lambda: enabled(parts["Spin"], pyatspi), game.alive)
    if any(enabled(parts[name], pyatspi) for name in BUTTONS[3:6]):
        raise Failure("a hold button can be pressed, but no hold can be placed")
    return parts


def play_round(game, app, listener, pyatspi):
    """Picks the third token through its action: its prize, said."""
    window = next(w for w in app if w.name == "Bonus round")
    wait_for("the round's parts", lambda: window.childCount == 6, game.alive)
    dump(window, pyatspi)
    tokens = [c for c in window if c.getRoleName() == "push button"]
    if [t.name for t in tokens] != [f"Token {i}" for i in range(1, 6)]:
        raise Failure(f"the round's tokens are {[t.name for t in tokens]}")
    tokens[2].queryAction().doAction(0)
    prize = listener.await_event("the prize said", said(PRIZE), game.alive)[1]
    if any(enabled(t, pyatspi) for t in tokens):
        raise Failure("a token can still be pressed after the pick")
    print(f"round: {prize}")
    return int(PRIZE.match(prize).group("prize") or 1)


def play(game, pyatspi, listener, first):
    """One game: the tree, two coins, a spin; True when it opened the round."""
    app, panel = machine_of(pyatspi, game)
    if first:
        dump(panel, pyatspi)
    parts = check_machine(game, panel, pyatspi)
    parts["Bet One"].queryAction().doAction(0)
    listener.await_event("Credits sent", lambda e: e == (VALUED, "Credits"), game.alive)
    if (text_of(parts["Coins"]), text_of(parts["Credits"])) != ("1", "1,115"):
        raise Failure("Bet One's action did not put in one coin")
    # The coin slot's place on the screen takes a pointer press as the slot does.
    box = parts["Coin slot"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    game.desktop.xdotool("mousemove", "--sync", box.x + box.width // 2,
                         box.y + box.height // 2, "click", 1)
    wait_for("a coin from a press on the coin slot's place",
             lambda: (text_of(parts["Coins"]), text_of(parts["Credits"])) == ("2", "1,114"),
             game.alive)
    before = len(listener.events)
    parts["Spin"].queryAction().doAction(0)
    opened = lambda: any(w.name == "Bonus round" for w in app)  # noqa: E731

    def round_or_result():
        listener.pump()
        return opened() or any(said(RESULT)(e) for e in listener.events[before:])
    wait_for("the round or the spin's result", round_or_result, game.alive)
    prize = play_round(game, app, listener, pyatspi) if opened() else None
    result = listener.await_event("the spin's result said", said(RESULT), game.alive, before)[1]
    print(f"spin: {result}")
    check_settled(listener.events[before:], text_of(parts["Credits"]), result, prize)
    return prize is not None


def check_settled(events, credits, result, prize):
    """One result said; Credits and Winnings sent once each when a win settles."""
    sent = {name: events.count((VALUED, name)) for name in ("Credits", "Winnings")}
    if len([e for e in events if said(RESULT)(e)]) != 1:
        raise Failure(f"the result was said more than once: {events}")
    paid = RESULT.match(result)
    if result == "No win.":
        if credits != "1,114" or sent["Credits"]:
            raise Failure(f"no win, but Credits read {credits} and were sent {sent['Credits']}")
    elif paid.group("credits") != credits or sent != {"Credits": 1, "Winnings": 1}:
        raise Failure(f"{result!r} with Credits reading {credits}, counters sent {sent}")
    elif prize is not None and int(paid.group("bonus").replace(",", "")) != prize:
        raise Failure(f"{result!r} does not hold the round's prize {prize}")


def spin_until_round(desktop, folder, binary, pyatspi):
    listener = Listener(pyatspi)
    for attempt in range(1, ATTEMPTS + 1):
        home = os.path.join(folder, f"home{attempt}")
        write_store(store_path(home), START)
        game = Game(desktop, binary, home)
        listener.pump()
        listener.pid, listener.events = game.process.pid, []
        if play(game, pyatspi, listener, first=attempt == 1):
            game.process.send_signal(signal.SIGTERM)  # stores the game and ends
            if game.await_end() != 0:
                raise Failure(f"the game ended with {game.process.returncode}:\n{game.said()}")
            game.check_clean_log()
            return
        game.process.kill()
        game.process.wait()
        print(f"attempt {attempt}: an X wiped the meter; again from the stored game")
    raise Failure(f"no bonus round in {ATTEMPTS} spins from a full meter")


def main():
    if importlib.util.find_spec("pyatspi") is None:
        print(f"SKIPPED: {sys.executable} cannot import pyatspi (python3-pyatspi; "
              "scripts/install-deps test installs it)")
        return 77
    with tempfile.TemporaryDirectory(prefix="vexlor-a11y-") as folder:
        try:
            desktop = Desktop(folder)
        except Skip as reason:
            print(f"SKIPPED: no X desktop: {reason}")
            return 77
        session = Session(folder)
        try:
            session.start(desktop.env["DISPLAY"])
            # pyatspi finds the bus through these as it is imported.
            for name in ("DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "DISPLAY"):
                os.environ[name] = session.env[name]
            import pyatspi
            desktop.env.update(DBUS_SESSION_BUS_ADDRESS=session.env["DBUS_SESSION_BUS_ADDRESS"],
                               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                               LC_ALL="C.UTF-8")
            desktop.env.pop("NO_AT_BRIDGE", None)
            spin_until_round(desktop, folder, sys.argv[1], pyatspi)
            return 0
        except Skip as reason:
            print(f"SKIPPED: no accessibility bus: {reason}")
            return 77
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
        finally:
            desktop.close()  # the games first, while the bus still answers them
            session.close()


if __name__ == "__main__":
    sys.exit(main())
